#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The window messages other processes may send to the running instance.
inline constexpr int MSG_QUIT_REQUEST = 1691;
inline constexpr int MSG_PROFILE_FILE = 1705;
inline constexpr int MSG_APPLY_TEXTS = 2022;
// The lParam with which MSG_QUIT_REQUEST ends the window; with any other the window stays.
inline constexpr long long kQuitRequestLParam = 610;

// What one process asks of the running instance: bring its window forward (show), or one of the
// numbered messages above with its two parameters.
struct InstanceMessage {
    int message = 0;
    long long wParam = 0;
    long long lParam = 0;
    bool show = false;

    bool operator==(const InstanceMessage&) const = default;
};

// A line longer than this (without its line break) is not a message.
inline constexpr std::size_t kMaxInstanceMessageLength = 80;

// One line without the line break: "show" or "<message> <wParam> <lParam>" in decimal.
// Empty for a message that may not be sent (a number other than the three above).
std::string EncodeInstanceMessage(const InstanceMessage& message);

// The message of one line (a trailing '\r' is ignored); nullopt for anything that is not exactly
// what EncodeInstanceMessage() writes for an allowed message.
std::optional<InstanceMessage> DecodeInstanceMessage(std::string_view line);

}  // namespace quillon
