#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "protocol/CommandFrames.h"
#include "protocol/PerformanceBlock.h"

namespace quillon {
namespace {

// The frame's bytes in hex, trailing zero bytes left out.
std::string Hex(const CommandFrame& frame) {
    std::size_t end = CommandFrame::kSize;
    while (end > 0 && frame[end - 1] == 0) {
        --end;
    }
    std::ostringstream out;
    for (std::size_t i = 0; i < end; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", frame[i]);
        out << byte;
    }
    return out.str();
}

// A fresh profile's stored values.
PerformanceValues DefaultValues() {
    PerformanceValues v;
    v.lightMode = 1;
    v.reportRate = 2;
    v.dpiFlag = 5;
    v.dpiIndex = 2;
    v.dpi = {800, 1200, 1600, 2400, 3200, 6400};
    v.rgb = {255, 16711680, 65280, 65535, 16776960, 8388736};
    v.scrollFlag = 0;
    v.liftoffHeight = 1;
    v.sensorFlag = 53;
    v.buttonRespondTime = 8;
    v.sleepLight = 10;
    v.eSportsFlag = 1;
    v.moveWakeUpFlag = 1;
    return v;
}

TEST(FramesTest, RequestsCarryTheProfileAndValuesAtTheirOffsets) {
    const int profile = 3;
    struct Case {
        const char* name;
        CommandFrame frame;
        std::string hex;
    };
    const std::vector<Case> cases = {
        {"performance write", PerformanceWriteFrame(profile, DefaultValues()),
         "00 55 0F AE 00 30 00 00 02 02 01 02 06 03 "
         "20 03 B0 04 40 06 60 09 80 0C 00 19 "                    // six DPIs
         "FF 00 00 00 00 FF 00 FF 00 FF FF 00 00 FF FF 80 00 80 "  // six colours
         "00 00 00 00 00 00 01 30 08 0A 01 01"},
        {"performance read", PerformanceReadFrame(profile), "00 55 0E A5 00 30 00 00 02"},
        {"current DPI", CurrentDpiFrame(profile, 3, 1600),
         "00 55 22 AE 00 03 00 00 02 00 00 03 40 06"},
        {"report rate", ReportRateFrame(profile, 4), "00 55 23 AE 00 03 00 00 02 00 00 04"},
        {"light mode", LightModeFrame(profile, 5), "00 55 21 A5 00 03 00 00 02 00 00 05"},
        {"light mode, low byte only", LightModeFrame(1, 0x105),
         "00 55 21 A5 00 03 00 00 00 00 00 05"},
        {"battery", BatteryFrame(profile), "00 55 30 A5 00 2E 00 00 02"},
        {"firmware version", FirmwareVersionFrame(), "00 55 03"},
        {"DPI out of range goes out as 0", CurrentDpiFrame(1, 6, 26001),
         "00 55 22 AE 00 03 00 00 00 00 00 06"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(c.frame), c.hex) << c.name;
    }
}

TEST(FramesTest, PerformanceWriteRangesDpiAndStage) {
    PerformanceValues values = DefaultValues();
    values.dpi = {49, 50, 26000, 26001, -800, 70000};
    values.dpiIndex = 9;  // a hand-edited database
    CommandFrame frame = PerformanceWriteFrame(1, values);
    EXPECT_EQ(frame.GetU16(14), 0);
    EXPECT_EQ(frame.GetU16(16), 50);
    EXPECT_EQ(frame.GetU16(18), 26000);
    EXPECT_EQ(frame.GetU16(20), 0);
    EXPECT_EQ(frame.GetU16(22), 0);
    EXPECT_EQ(frame.GetU16(24), 0);
    EXPECT_EQ(frame[12], 6);  // the stage byte is always 6 when written
    EXPECT_EQ(frame[13], 6);
    values.dpiIndex = -3;
    EXPECT_EQ(PerformanceWriteFrame(1, values)[13], 1);
}

TEST(FramesTest, SensorSwitchesMapToTheirWireBits) {
    struct Case {
        int flag;
        std::uint8_t wire;
    };
    for (Case c : {Case{0, 0x00}, Case{4, 0x10}, Case{8, 0x01}, Case{16, 0x20}, Case{28, 0x31},
                   Case{53, 0x30}}) {
        EXPECT_EQ(SensorByte(c.flag), c.wire) << c.flag;
    }
    EXPECT_EQ(SensorFlag(0x31), 28);
    EXPECT_EQ(SensorFlag(0xCE), 0);  // other bits are ignored
}

// A reply to 0x0E as the mouse sends it, marker at offset 0.
CommandFrame PerformanceReply() {
    CommandFrame reply;
    reply[0] = 0xAA;
    reply[1] = 0x0E;
    reply[9] = 3;   // light mode
    reply[10] = 4;  // report rate
    reply[11] = 6;  // stage byte
    reply[12] = 2;  // current stage, 1-based
    const int dpi[6] = {400, 800, 1600, 3200, 6400, 12800};
    for (std::size_t i = 0; i < 6; ++i) {
        reply.PutU16(13 + 2 * i, static_cast<std::uint16_t>(dpi[i]));
    }
    reply[48] = 1;     // scroll
    reply[49] = 2;     // lift-off
    reply[50] = 0x21;  // sensor: bits 8 and 16
    reply[51] = 4;     // button response
    reply[52] = 30;    // sleep
    reply[53] = 2;     // e-sports
    reply[54] = 0x77;  // not used
    reply[55] = 0;     // motion wake-up
    return reply;
}

TEST(FramesTest, PerformanceReplyIsReadFromItsOwnOffsets) {
    PerformanceReading reading = ReadPerformanceReply(PerformanceReply());
    ASSERT_EQ(reading.outcome, PerformanceReading::Outcome::Store);
    const PerformanceValues& v = reading.values;
    EXPECT_EQ(v.lightMode, 3);
    EXPECT_EQ(v.reportRate, 4);
    EXPECT_EQ(v.dpiFlag, 6);
    EXPECT_EQ(v.dpiIndex, 1);
    EXPECT_EQ(v.dpi, (std::array<int, 6>{400, 800, 1600, 3200, 6400, 12800}));
    EXPECT_EQ(reading.dpiValid, (std::array<bool, 6>{true, true, true, true, true, true}));
    EXPECT_EQ(v.scrollFlag, 1);
    EXPECT_EQ(v.liftoffHeight, 2);
    EXPECT_EQ(v.sensorFlag, 24);
    EXPECT_EQ(v.buttonRespondTime, 4);
    EXPECT_EQ(v.sleepLight, 30);
    EXPECT_EQ(v.eSportsFlag, 2);
    EXPECT_EQ(v.moveWakeUpFlag, 0);
}

TEST(FramesTest, PerformanceReplyEdgeCases) {
    using Outcome = PerformanceReading::Outcome;
    CommandFrame reply = PerformanceReply();
    reply[9] = reply[10] = reply[11] = 0;
    EXPECT_EQ(ReadPerformanceReply(reply).outcome, Outcome::Nothing) << "empty block";

    reply = PerformanceReply();
    reply[13] = reply[14] = reply[15] = 0xFF;
    EXPECT_EQ(ReadPerformanceReply(reply).outcome, Outcome::PushStored) << "no DPI table";

    reply = PerformanceReply();
    reply[1] = 0x30;
    EXPECT_EQ(ReadPerformanceReply(reply).outcome, Outcome::Nothing) << "another command's reply";
    reply = PerformanceReply();
    reply[0] = 0x55;  // the request left in the buffer after a silent mouse
    EXPECT_EQ(ReadPerformanceReply(reply).outcome, Outcome::Nothing) << "no reply";

    reply = PerformanceReply();
    reply.PutU16(13, 49);
    reply.PutU16(15, 26001);
    reply.PutU16(17, 0xFFFF);
    reply.PutU16(19, 50);
    reply.PutU16(21, 26000);
    PerformanceReading reading = ReadPerformanceReply(reply);
    EXPECT_EQ(reading.dpiValid, (std::array<bool, 6>{false, false, false, true, true, true}));

    for (auto [wire, stored] : {std::pair{0, 0}, {1, 0}, {6, 5}, {9, 5}, {255, 5}}) {
        reply = PerformanceReply();
        reply[12] = static_cast<std::uint8_t>(wire);
        EXPECT_EQ(ReadPerformanceReply(reply).values.dpiIndex, stored) << "stage byte " << wire;
    }
}

TEST(FramesTest, BatteryAndFirmwareReplies) {
    CommandFrame reply;
    reply[0] = 0xAA;
    reply[1] = 0x30;
    reply[8] = 150;
    reply[9] = 1;
    std::optional<BatteryInfo> battery = BatteryOfReply(reply);
    ASSERT_TRUE(battery);
    EXPECT_EQ(battery->level, 100);
    EXPECT_EQ(battery->state, 1);
    EXPECT_FALSE(FirmwareOfReply(reply));

    reply[1] = 0x03;
    reply[23] = '1';
    reply[24] = 'x';
    reply[25] = '7';
    EXPECT_EQ(FirmwareOfReply(reply), "1.0.7");
    EXPECT_FALSE(BatteryOfReply(reply));
    reply[0] = 0x55;
    EXPECT_FALSE(FirmwareOfReply(reply));
}

TEST(FramesTest, EnteredDpiIsBoundedAndRounded) {
    for (auto [entered, kept] : {std::pair{1249, 1200},
                                 {1250, 1300},
                                 {150, 200},
                                 {-5, 200},
                                 {30000, 24000},
                                 {23990, 24000},
                                 {24049, 24000},
                                 {800, 800}}) {
        EXPECT_EQ(RoundEnteredDpi(entered), kept) << entered;
    }
}

TEST(FramesTest, ReportRateCodes) {
    for (auto [code, hz] : {std::pair{1, 125}, {2, 250}, {3, 500}, {4, 1000}}) {
        EXPECT_EQ(ReportRateHz(code), hz);
        EXPECT_EQ(ReportRateCode(hz), code);
    }
    EXPECT_EQ(ReportRateHz(0), 1000);
    EXPECT_EQ(ReportRateHz(9), 1000);
    EXPECT_EQ(ReportRateCode(300), 0);
}

}  // namespace
}  // namespace quillon
