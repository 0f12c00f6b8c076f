#include "protocol/PerformanceCommands.h"

#include "device/DeviceManager.h"
#include "protocol/CommandChannel.h"
#include "protocol/CommandFrames.h"
#include "store/SettingsStore.h"

namespace quillon {
namespace {

struct KeyField {
    const char* key;
    int PerformanceValues::*field;
};

// Stored in this order after a read; "dpi_count" and the stage DPIs follow "dpi_flag".
constexpr KeyField kLeadingKeys[] = {
    {"light_mode", &PerformanceValues::lightMode},
    {"report_rate", &PerformanceValues::reportRate},
    {"dpi_flag", &PerformanceValues::dpiFlag},
};
constexpr KeyField kTrailingKeys[] = {
    {"scroll_flag", &PerformanceValues::scrollFlag},
    {"liftoff_height", &PerformanceValues::liftoffHeight},
    {"sensor_flag", &PerformanceValues::sensorFlag},
    {"button_respondtime", &PerformanceValues::buttonRespondTime},
    {"sleep_light", &PerformanceValues::sleepLight},
    {"e-sports_flag", &PerformanceValues::eSportsFlag},
    {"move_wakeUp_flag", &PerformanceValues::moveWakeUpFlag},
};

}  // namespace

PerformanceCommands::PerformanceCommands(CommandChannel& channel, SettingsStore& store,
                                         WorkerHost& host)
    : channel_(channel), store_(store), host_(host) {}

ProfileValues PerformanceCommands::Active() const {
    return ProfileValues(store_, host_.ActiveProfile());
}

PerformanceValues PerformanceCommands::Load(const ProfileValues& values) {
    const SettingsStore::ValueTexts texts = values.LoadTexts();
    auto number = [&](std::string_view key) { return ProfileValues::NumberOf(texts, key); };
    PerformanceValues v;
    for (const KeyField& k : kLeadingKeys) {
        v.*k.field = number(k.key);
    }
    v.dpiIndex = number("dpi_index");
    for (int stage = 0; stage < kStageCount; ++stage) {
        v.dpi[stage] = number(ProfileValues::DpiValueKey(stage));
        v.rgb[stage] = number(ProfileValues::DpiColourKey(stage));
    }
    for (const KeyField& k : kTrailingKeys) {
        v.*k.field = number(k.key);
    }
    return v;
}

void PerformanceCommands::Store(const ProfileValues& values, const PerformanceReading& reading) {
    const PerformanceValues& v = reading.values;
    ProfileValues::Numbers numbers;
    for (const KeyField& k : kLeadingKeys) {
        numbers.emplace_back(k.key, v.*k.field);
    }
    numbers.emplace_back("dpi_count", v.dpiFlag);
    numbers.emplace_back("dpi_index", v.dpiIndex);
    for (int stage = 0; stage < kStageCount; ++stage) {
        if (reading.dpiValid[stage]) {
            numbers.emplace_back(ProfileValues::DpiValueKey(stage), v.dpi[stage]);
        }
    }
    for (const KeyField& k : kTrailingKeys) {
        numbers.emplace_back(k.key, v.*k.field);
    }
    values.SetChanged(numbers);
}

void PerformanceCommands::ReadBattery() {
    CommandFrame frame = BatteryFrame(host_.ActiveProfile());
    channel_.Send(frame);
    if (std::optional<BatteryInfo> battery = BatteryOfReply(frame)) {
        host_.SetBattery(battery->level, battery->state);
    }
}

void PerformanceCommands::ReadPerformanceBlock() {
    CommandFrame frame = PerformanceReadFrame(host_.ActiveProfile());
    channel_.Send(frame);
    PerformanceReading reading = ReadPerformanceReply(frame);
    switch (reading.outcome) {
        case PerformanceReading::Outcome::Nothing:
            break;
        case PerformanceReading::Outcome::PushStored:
            WritePerformanceBlock();
            break;
        case PerformanceReading::Outcome::Store:
            store_.InOneTransaction([&] { Store(Active(), reading); });
            break;
    }
}

void PerformanceCommands::WritePerformanceBlock() {
    ProfileValues values = Active();
    CommandFrame frame = PerformanceWriteFrame(values.Profile(), Load(values));
    channel_.Send(frame);
}

void PerformanceCommands::WriteCurrentDpi() {
    ProfileValues values = Active();
    // A hand-edited index outside 0..5 would name a stage without a DPI.
    int stage = ClampStageIndex(values.Get("dpi_index"));
    int dpi = values.Get(ProfileValues::DpiValueKey(stage));
    CommandFrame frame = CurrentDpiFrame(values.Profile(), stage + 1, dpi);
    channel_.Send(frame);
}

void PerformanceCommands::WriteReportRate() {
    ProfileValues values = Active();
    const int rate = values.Get("report_rate");
    DeviceMirror& mirror = channel_.Acknowledged();
    if (mirror.HoldsReportRate(values.Profile(), rate)) {
        return;
    }
    CommandFrame frame = ReportRateFrame(values.Profile(), rate);
    if (channel_.Send(frame)) {
        mirror.SetReportRate(values.Profile(), rate);
    }
}

void PerformanceCommands::QueryFirmwareVersion() {
    CommandFrame frame = FirmwareVersionFrame();
    channel_.Send(frame);
    if (std::optional<std::string> text = FirmwareOfReply(frame)) {
        host_.SetFirmwareText(*text);
    }
}

void PerformanceCommands::ShowFirmwareVersions() {
    std::string text;
    channel_.Devices().ReadFeatureVersion(text);
    host_.SetFirmwareText(text);
}

}  // namespace quillon
