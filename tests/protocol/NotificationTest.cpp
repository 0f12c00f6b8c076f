#include "protocol/Notification.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillon {
namespace {

NotificationReport Report(int type, int first, int second) {
    NotificationReport report{};
    report[0] = 0xAA;
    report[1] = 0xFA;
    report[8] = static_cast<std::uint8_t>(type);
    report[9] = static_cast<std::uint8_t>(first);
    report[10] = static_cast<std::uint8_t>(second);
    return report;
}

TEST(NotificationTest, DecodesEachTypeWithItsClamps) {
    using Kind = Notification::Kind;
    struct Case {
        int type, first, second;
        Kind kind;
        int value, secondOut;
    };
    const std::vector<Case> cases = {
        {0x10, 3, 4, Kind::Stage, 3, 4},
        {0x10, 0, 2, Kind::Stage, 1, 2},  // stage 0 is stage 1
        {0x10, 9, 1, Kind::Stage, 6, 1},  // above 6 is stage 6
        {0x11, 4, 0, Kind::LightMode, 4, 0},
        {0x11, 9, 0, Kind::LightMode, 6, 0},
        {0x50, 64, 0, Kind::Emoji, 64, 0},
        {0x60, 110, 0, Kind::Emoji, 110, 0},
        {0xD0, 150, 1, Kind::Battery, 100, 1},
        {0xD0, 37, 0, Kind::Battery, 37, 0},
        {0x42, 1, 1, Kind::Other, 1, 1},
        // A value byte of 0xFF asks for the stored stage, whatever the type.
        {0x10, 0xFF, 2, Kind::WriteCurrentDpi, 0, 2},
        {0xD0, 50, 0xFF, Kind::WriteCurrentDpi, 0, 0xFF},
        {0x50, 0xFF, 0, Kind::WriteCurrentDpi, 0, 0},
    };
    for (const Case& c : cases) {
        Notification note = DecodeNotification(Report(c.type, c.first, c.second));
        EXPECT_EQ(note.kind, c.kind) << c.type << "/" << c.first;
        EXPECT_EQ(note.value, c.value) << c.type << "/" << c.first;
        EXPECT_EQ(note.second, c.secondOut) << c.type << "/" << c.first;
    }
}

TEST(NotificationTest, ReportsWithoutTheMarkersOrMarkedIgnoredMeanNothing) {
    NotificationReport silent{};
    EXPECT_EQ(DecodeNotification(silent).kind, Notification::Kind::None);

    NotificationReport report = Report(0x10, 0xFF, 0xFF);
    report[2] = report[3] = 0x38;
    EXPECT_EQ(DecodeNotification(report).kind, Notification::Kind::None);
    report[3] = 0x37;  // one mark alone does not
    EXPECT_EQ(DecodeNotification(report).kind, Notification::Kind::WriteCurrentDpi);

    report = Report(0x10, 2, 2);
    report[1] = 0xFB;
    EXPECT_EQ(DecodeNotification(report).kind, Notification::Kind::None);
    report = Report(0x10, 2, 2);
    report[0] = 0xAB;  // e.g. a late command reply
    EXPECT_EQ(DecodeNotification(report).kind, Notification::Kind::None);
}

}  // namespace
}  // namespace quillon
