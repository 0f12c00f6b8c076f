#include "protocol/Notification.h"

#include <algorithm>

#include "protocol/CommandFrames.h"
#include "protocol/PerformanceBlock.h"

namespace quillon {
namespace {

constexpr std::uint8_t kMarker = 0xAA;
constexpr std::uint8_t kNotifyMarker = 0xFA;
constexpr std::uint8_t kIgnoreMark = 0x38;
constexpr std::uint8_t kAskForStage = 0xFF;

constexpr int kTypeStage = 0x10;
constexpr int kTypeLightMode = 0x11;
constexpr int kTypeEmoji = 0x50;
constexpr int kTypeEmojiAlt = 0x60;
constexpr int kTypeBattery = 0xD0;

}  // namespace

Notification DecodeNotification(const NotificationReport& report) {
    Notification note;
    if (report[0] != kMarker || report[1] != kNotifyMarker) {
        return note;
    }
    if (report[2] == kIgnoreMark && report[3] == kIgnoreMark) {
        return note;
    }
    note.type = report[8];
    int first = report[9];
    note.second = report[10];
    if (first == kAskForStage || note.second == kAskForStage) {
        note.kind = Notification::Kind::WriteCurrentDpi;
        return note;
    }
    switch (note.type) {
        case kTypeStage:
            note.kind = Notification::Kind::Stage;
            note.value = std::clamp(first, 1, kStageCount);
            break;
        case kTypeLightMode:
            note.kind = Notification::Kind::LightMode;
            note.value = std::min(first, kMaxLightMode);
            break;
        case kTypeEmoji:
        case kTypeEmojiAlt:
            note.kind = Notification::Kind::Emoji;
            note.value = first;
            break;
        case kTypeBattery:
            note.kind = Notification::Kind::Battery;
            note.value = std::min(first, kMaxBatteryLevel);
            break;
        default:
            note.kind = Notification::Kind::Other;
            note.value = first;
            break;
    }
    return note;
}

}  // namespace quillon
