#include "platform/SettingTable.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "platform/NumberText.h"

namespace quillon {
namespace {

constexpr int kStages = 6;
constexpr std::array<int, 4> kRatesHz = {125, 250, 500, 1000};
// Sensor switches 1, 2, 3 as the bits of the stored value.
constexpr std::array<int, 3> kSensorBits = {4, 8, 16};

std::vector<SettingEntry> BuildTable() {
    using U = SettingUnit;
    std::vector<SettingEntry> table;
    for (int stage = 1; stage <= kStages; ++stage) {
        // The DPI the mouse accepts; entered values are rounded by the command that takes them.
        table.push_back({"dpi-" + std::to_string(stage),
                         "dpi_group" + std::to_string(stage - 1) + "_value", 50, 26000, U::Dpi});
    }
    for (int stage = 1; stage <= kStages; ++stage) {
        table.push_back({"stage-colour-" + std::to_string(stage),
                         "dpi_group" + std::to_string(stage - 1) + "_rgb", 0, 0xFFFFFF, U::Colour});
    }
    const std::vector<SettingEntry> others = {
        {"stage", "dpi_index", 0, kStages - 1, U::Stage},
        {"stage-count", "dpi_count", 1, kStages, U::Number},
        {"stage-flag", "dpi_flag", 0, 255, U::Number},
        {"report-rate", "report_rate", 1, 4, U::ReportRate},
        {"lift-off", "liftoff_height", 1, 2, U::Millimetres},
        {"sensor-switches", "sensor_flag", 0, 255, U::SensorSwitches},
        {"scroll-direction", "scroll_flag", 0, 1, U::Number},
        {"e-sports", "e-sports_flag", 1, 2, U::OnOffTwoOne},
        {"sleep", "sleep_light", 0, 255, U::Minutes},
        {"button-response", "button_respondtime", 0, 255, U::Number},
        {"motion-light", "move_light_flag", 0, 1, U::OnOff},
        {"motion-wake-up", "move_wakeUp_flag", 0, 1, U::OnOff},
        {"left-button-lock", "leftbtn_lock", 0, 1, U::OnOff},
        {"light-mode", "light_mode", 0, 255, U::Number},
    };
    table.insert(table.end(), others.begin(), others.end());
    return table;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// A whole number, optionally followed by `unit` ("500hz", "2 mm").
bool NumberWithUnit(std::string_view text, std::string_view unit, int& value) {
    std::string lower = Lower(text);
    if (!unit.empty() && lower.size() > unit.size() && lower.ends_with(unit)) {
        lower.resize(lower.size() - unit.size());
        while (!lower.empty() && lower.back() == ' ') {
            lower.pop_back();
        }
    }
    return ParseWholeInt(lower, value);
}

bool OnOffWord(std::string_view text, bool& on) {
    const std::string lower = Lower(text);
    if (lower == "on" || lower == "1") {
        on = true;
        return true;
    }
    if (lower == "off" || lower == "0") {
        on = false;
        return true;
    }
    return false;
}

bool ColourFromText(std::string_view text, int& stored) {
    if (text.size() != 7 || text[0] != '#') {
        return false;
    }
    unsigned rgb = 0;
    for (char c : text.substr(1)) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) {
            return false;
        }
        rgb = rgb * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) != 0
                                                   ? c - '0'
                                                   : std::tolower(c) - 'a' + 10);
    }
    // "#RRGGBB" to the stored order, red in the low byte.
    stored = static_cast<int>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
    return true;
}

bool SensorFromText(std::string_view text, int& stored) {
    stored = 0;
    size_t switchIndex = 0;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        bool on = false;
        if (switchIndex == kSensorBits.size() ||
            !OnOffWord(text.substr(start, comma - start), on)) {
            return false;
        }
        stored |= on ? kSensorBits[switchIndex] : 0;
        ++switchIndex;
        start = comma + 1;
    }
    return switchIndex == kSensorBits.size();
}

bool ParseStored(const SettingEntry& setting, std::string_view text, int& stored) {
    int number = 0;
    bool on = false;
    switch (setting.unit) {
        case SettingUnit::Number:
            return ParseWholeInt(text, stored);
        case SettingUnit::Dpi:
            return NumberWithUnit(text, "dpi", stored);
        case SettingUnit::Minutes:
            return NumberWithUnit(text, "min", stored);
        case SettingUnit::Colour:
            return ColourFromText(text, stored);
        case SettingUnit::Stage:
            if (!ParseWholeInt(text, number)) {
                return false;
            }
            stored = number - 1;
            return true;
        case SettingUnit::ReportRate: {
            if (!NumberWithUnit(text, "hz", number)) {
                return false;
            }
            auto found = std::find(kRatesHz.begin(), kRatesHz.end(), number);
            stored = found == kRatesHz.end() ? 0 : static_cast<int>(found - kRatesHz.begin()) + 1;
            return true;
        }
        case SettingUnit::Millimetres:
            return NumberWithUnit(text, "mm", stored);
        case SettingUnit::OnOff:
            if (!OnOffWord(text, on)) {
                return false;
            }
            stored = on ? 1 : 0;
            return true;
        case SettingUnit::OnOffTwoOne:
            if (!OnOffWord(text, on)) {
                return false;
            }
            stored = on ? 2 : 1;
            return true;
        case SettingUnit::SensorSwitches:
            return SensorFromText(text, stored);
    }
    return false;
}

}  // namespace

const std::vector<SettingEntry>& SettingTable() {
    static const std::vector<SettingEntry> table = BuildTable();
    return table;
}

const SettingEntry* SettingByName(std::string_view name) {
    for (const SettingEntry& setting : SettingTable()) {
        if (setting.name == name) {
            return &setting;
        }
    }
    return nullptr;
}

const SettingEntry* SettingByKey(std::string_view key) {
    for (const SettingEntry& setting : SettingTable()) {
        if (setting.key == key) {
            return &setting;
        }
    }
    return nullptr;
}

std::string ColourText(int stored) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", stored & 0xFF, (stored >> 8) & 0xFF,
                  (stored >> 16) & 0xFF);
    return text;
}

std::string SettingText(const SettingEntry& setting, int stored) {
    switch (setting.unit) {
        case SettingUnit::Number:
            return std::to_string(stored);
        case SettingUnit::Dpi:
            return std::to_string(stored) + " DPI";
        case SettingUnit::Colour:
            return ColourText(stored);
        case SettingUnit::Stage:
            return "stage " + std::to_string(stored + 1);
        case SettingUnit::ReportRate:
            return stored >= 1 && stored <= 4
                       ? std::to_string(kRatesHz[static_cast<size_t>(stored - 1)]) + " Hz"
                       : "1000 Hz";  // what the mouse and the page make of other codes
        case SettingUnit::Millimetres:
            return std::to_string(stored) + " mm";
        case SettingUnit::Minutes:
            return std::to_string(stored) + " min";
        case SettingUnit::OnOff:
            return stored != 0 ? "on" : "off";
        case SettingUnit::OnOffTwoOne:
            return stored == 2 ? "on" : "off";
        case SettingUnit::SensorSwitches: {
            std::string text;
            for (int bit : kSensorBits) {
                text += std::string(text.empty() ? "" : ",") + ((stored & bit) != 0 ? "on" : "off");
            }
            return text;
        }
    }
    return std::to_string(stored);
}

bool SettingFromText(const SettingEntry& setting, std::string_view text, int& stored) {
    int value = 0;
    if (!ParseStored(setting, text, value) || value < setting.low || value > setting.high) {
        return false;
    }
    stored = value;
    return true;
}

std::string AllowedText(const SettingEntry& setting) {
    switch (setting.unit) {
        case SettingUnit::Dpi:
            return std::to_string(setting.low) + " to " + std::to_string(setting.high) + " DPI";
        case SettingUnit::Colour:
            return "#RRGGBB";
        case SettingUnit::Stage:
            return "stage 1 to " + std::to_string(setting.high + 1);
        case SettingUnit::ReportRate:
            return "125, 250, 500 or 1000 Hz";
        case SettingUnit::Millimetres:
            return "1 or 2 mm";
        case SettingUnit::Minutes:
            return std::to_string(setting.low) + " to " + std::to_string(setting.high) +
                   " min (the page offers 1, 3, 5, 10, 20, 30, 60)";
        case SettingUnit::OnOff:
        case SettingUnit::OnOffTwoOne:
            return "on or off";
        case SettingUnit::SensorSwitches:
            return "on or off for switches 1, 2 and 3, e.g. on,off,on";
        case SettingUnit::Number:
            break;
    }
    return std::to_string(setting.low) + " to " + std::to_string(setting.high);
}

}  // namespace quillon
