#include "emulator/EmulationRequest.h"

namespace quillon {
namespace {

constexpr std::string_view kStatePrefix = "state=";

bool ParseMode(std::string_view word, VirtualInterfaceConfig& config) {
    if (word == "wired") {
        config.link = VirtualLink::Wired;
    } else if (word == "receiver") {
        config.link = VirtualLink::Receiver;
    } else if (word == "receiver-asleep") {
        config.link = VirtualLink::Receiver;
        config.mouseOnline = false;
    } else if (word == "bluetooth") {
        config.link = VirtualLink::Bluetooth;
    } else {
        return false;
    }
    return true;
}

bool ParseModes(std::string_view modes, std::vector<VirtualInterfaceConfig>& interfaces,
                std::string& error) {
    for (;;) {
        const std::size_t plus = modes.find('+');
        const std::string_view word = modes.substr(0, plus);
        VirtualInterfaceConfig config;
        if (!ParseMode(word, config)) {
            error = "unknown emulated connection '" + std::string(word) +
                    "' (wired, receiver, receiver-asleep or bluetooth)";
            return false;
        }
        interfaces.push_back(config);
        if (plus == std::string_view::npos) {
            return true;
        }
        modes.remove_prefix(plus + 1);
    }
}

}  // namespace

bool ParseEmulation(std::string_view text, EmulationRequest& request, std::string& error) {
    EmulationRequest parsed;
    bool modesGiven = false;
    while (!text.empty()) {
        if (text.substr(0, kStatePrefix.size()) == kStatePrefix) {
            parsed.stateFile = std::string(text.substr(kStatePrefix.size()));
            if (parsed.stateFile.empty()) {
                error = "state= needs a file name";
                return false;
            }
            break;
        }
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        if (modesGiven) {
            error = "connections given twice in '--emulate'; join them with '+'";
            return false;
        }
        if (!ParseModes(item, parsed.interfaces, error)) {
            return false;
        }
        modesGiven = true;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    if (parsed.interfaces.empty()) {
        parsed.interfaces.push_back(VirtualInterfaceConfig{});
    }
    request = std::move(parsed);
    return true;
}

}  // namespace quillon
