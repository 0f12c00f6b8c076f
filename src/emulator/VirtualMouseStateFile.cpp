#include "emulator/VirtualMouseStateFile.h"

#include <set>
#include <sstream>
#include <vector>

#include "platform/NumberText.h"
#include "platform/WholeFile.h"

namespace quillon {
namespace {

constexpr const char* kMagic = "quillon-virtual-mouse";
constexpr int kVersion = 1;
// A state file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxFileSize = 64 * 1024;

std::string ToHex(const std::uint8_t* bytes, std::size_t count) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Exactly `count` bytes of hexadecimal text.
bool FromHex(const std::string& text, std::uint8_t* bytes, std::size_t count) {
    if (text.size() != count * 2) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        int high = HexDigit(text[2 * i]);
        int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return true;
}

// A decimal number 0..max written plainly.
bool ParseSmall(const std::string& text, int max, std::uint8_t& value) {
    int number = ParseLeadingInt(text);
    if (text.empty() || std::to_string(number) != text || number < 0 || number > max) {
        return false;
    }
    value = static_cast<std::uint8_t>(number);
    return true;
}

bool ParseProfile(const std::string& text, int& profile) {
    std::uint8_t value = 0;
    if (!ParseSmall(text, VirtualFirmwareState::kProfiles - 1, value)) {
        return false;
    }
    profile = value;
    return true;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

bool PrintableWord(const std::string& text, std::size_t max) {
    if (text.empty() || text.size() > max) {
        return false;
    }
    for (char c : text) {
        if (c <= 0x20 || c >= 0x7F) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string FormatVirtualMouseState(const VirtualFirmwareState& state) {
    std::ostringstream out;
    out << kMagic << " " << kVersion << "\n";
    out << "current-profile " << int{state.currentProfile} << "\n";
    out << "battery " << int{state.batteryLevel} << " " << int{state.chargeState} << "\n";
    out << "firmware-digits " << state.firmwareDigits << "\n";
    out << "feature-version " << state.featureVersion << "\n";
    for (int p = 0; p < VirtualFirmwareState::kProfiles; ++p) {
        out << "performance " << p << " "
            << ToHex(state.performance[p].data(), state.performance[p].size()) << "\n";
    }
    for (int p = 0; p < VirtualFirmwareState::kProfiles; ++p) {
        out << "buttons " << p << " " << ToHex(state.buttons[p].data(), state.buttons[p].size())
            << "\n";
    }
    out << "macro-image " << ToHex(state.macroImage.data(), state.macroImage.size()) << "\n";
    return out.str();
}

bool ParseVirtualMouseState(const std::string& text, VirtualFirmwareState& state,
                            std::string& error) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) ||
        Words(line) != std::vector<std::string>{kMagic, std::to_string(kVersion)}) {
        error = "not a virtual mouse state file of version " + std::to_string(kVersion);
        return false;
    }
    VirtualFirmwareState parsed;
    std::set<std::string> seen;
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        std::vector<std::string> words = Words(line);
        if (words.empty()) {
            continue;
        }
        const std::string& key = words[0];
        int profile = 0;
        bool ok = false;
        if (key == "current-profile" && words.size() == 2) {
            ok = ParseSmall(words[1], VirtualFirmwareState::kProfiles - 1, parsed.currentProfile);
        } else if (key == "battery" && words.size() == 3) {
            ok = ParseSmall(words[1], 255, parsed.batteryLevel) &&
                 ParseSmall(words[2], 255, parsed.chargeState);
        } else if (key == "firmware-digits" && words.size() == 2) {
            ok = PrintableWord(words[1], 3);
            parsed.firmwareDigits = words[1];
        } else if (key == "feature-version" && words.size() == 2) {
            ok = PrintableWord(words[1], 18);
            parsed.featureVersion = words[1];
        } else if (key == "performance" && words.size() == 3 && ParseProfile(words[1], profile)) {
            ok = FromHex(words[2], parsed.performance[profile].data(),
                         parsed.performance[profile].size());
        } else if (key == "buttons" && words.size() == 3 && ParseProfile(words[1], profile)) {
            ok = FromHex(words[2], parsed.buttons[profile].data(), parsed.buttons[profile].size());
        } else if (key == "macro-image" && words.size() == 2) {
            ok = FromHex(words[1], parsed.macroImage.data(), parsed.macroImage.size());
        }
        const std::string id = words.size() == 3 && key != "battery" ? key + words[1] : key;
        if (!ok || !seen.insert(id).second) {
            error = "line " + std::to_string(lineNumber) + " is not valid: '" + key + "'";
            return false;
        }
    }
    // Current profile, battery, two version texts, a performance block and a button table per
    // profile, and the macro image.
    const std::size_t expected = 4 + 2 * VirtualFirmwareState::kProfiles + 1;
    if (seen.size() != expected) {
        error = "the file is incomplete";
        return false;
    }
    state = parsed;
    return true;
}

bool LoadVirtualMouseState(const std::string& path, VirtualFirmwareState& state,
                           std::string& error) {
    std::string text;
    if (!ReadWholeFile(path, text, error, kMaxFileSize)) {
        return false;
    }
    if (!ParseVirtualMouseState(text, state, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool SaveVirtualMouseState(const VirtualFirmwareState& state, const std::string& path,
                           std::string& error) {
    return ReplaceFileContent(path, FormatVirtualMouseState(state), error);
}

}  // namespace quillon
