#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillon {

// Unsolicited reports are read 21 bytes at a time.
inline constexpr std::size_t kNotificationLength = 21;
using NotificationReport = std::array<std::uint8_t, kNotificationLength>;

// What one report read from the mouse asks the program to do, its values already brought into
// range.
struct Notification {
    enum class Kind {
        None,             // no report, foreign markers, or a report marked to be ignored
        WriteCurrentDpi,  // a value byte of 0xFF: the mouse wants the stored current stage
        Stage,            // `value` = stage 1..6, `second` = report-rate code
        LightMode,        // `value` = mode 0..6
        Emoji,            // `value` = emoji number as sent
        Battery,          // `value` = level 0..100, `second` = charge state
        Other,            // a well-formed report of a type this program does not handle
    };
    Kind kind = Kind::None;
    int type = 0;
    int value = 0;
    int second = 0;
};

// Decodes a report (report id stripped; bytes the read did not fill are 0).
Notification DecodeNotification(const NotificationReport& report);

}  // namespace quillon
