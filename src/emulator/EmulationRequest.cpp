#include "emulator/EmulationRequest.h"

#include <array>

namespace quillon {
namespace {

constexpr std::string_view kStatePrefix = "state=";
constexpr std::string_view kStateAgain = ",state=";

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

// A mouse has one connection of each kind, so each is given once.
bool ParseModes(std::string_view modes, std::vector<VirtualInterfaceConfig>& interfaces,
                std::string& error) {
    std::array<std::string_view, 3> wordOfLink{};  // by VirtualLink; empty: not given yet
    for (;;) {
        const std::size_t plus = modes.find('+');
        const std::string_view word = modes.substr(0, plus);
        VirtualInterfaceConfig config;
        if (!ParseMode(word, config)) {
            error = "unknown emulated connection '" + std::string(word) +
                    "' (wired, receiver, receiver-asleep or bluetooth)";
            return false;
        }
        std::string_view& earlier = wordOfLink[static_cast<std::size_t>(config.link)];
        if (earlier == word) {
            error = "'" + std::string(word) + "' is given twice";
            return false;
        }
        if (!earlier.empty()) {
            // Only the receiver has two words.
            error = "'" + std::string(earlier) + "' and '" + std::string(word) +
                    "' are both the receiver; one receiver only";
            return false;
        }
        earlier = word;
        interfaces.push_back(config);
        if (plus == std::string_view::npos) {
            return true;
        }
        modes.remove_prefix(plus + 1);
    }
}

// One item between commas before state=: the connections, given once.
bool ParseItem(std::string_view item, bool& modesGiven,
               std::vector<VirtualInterfaceConfig>& interfaces, std::string& error) {
    if (item.empty()) {
        error = "empty item in the comma list";
        return false;
    }
    if (const std::size_t equals = item.find('='); equals != std::string_view::npos) {
        error = "unknown option '" + std::string(item.substr(0, equals)) + "' (only state=FILE)";
        return false;
    }
    if (modesGiven) {
        error = "connections given twice; join them with '+'";
        return false;
    }
    modesGiven = true;
    return ParseModes(item, interfaces, error);
}

// The file name may hold commas, but not a second state=.
bool ParseStateFile(std::string_view file, std::string& stateFile, std::string& error) {
    if (file.find(kStateAgain) != std::string_view::npos) {
        error = "state= given twice";
        return false;
    }
    if (file.empty()) {
        error = "state= needs a file name";
        return false;
    }
    stateFile = std::string(file);
    return true;
}

}  // namespace

bool ParseEmulation(std::string_view text, EmulationRequest& request, std::string& error) {
    EmulationRequest parsed;
    bool modesGiven = false;
    bool more = !text.empty();
    while (more) {
        if (text.starts_with(kStatePrefix)) {
            if (!ParseStateFile(text.substr(kStatePrefix.size()), parsed.stateFile, error)) {
                return false;
            }
            break;
        }
        const std::size_t comma = text.find(',');
        more = comma != std::string_view::npos;
        if (!ParseItem(text.substr(0, comma), modesGiven, parsed.interfaces, error)) {
            return false;
        }
        text = more ? text.substr(comma + 1) : std::string_view();
    }
    if (parsed.interfaces.empty()) {
        parsed.interfaces.push_back(VirtualInterfaceConfig{});
    }
    request = std::move(parsed);
    return true;
}

}  // namespace quillon
