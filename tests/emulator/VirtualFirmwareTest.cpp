#include <gtest/gtest.h>

#include <functional>

#include "EmulatorRig.h"
#include "platform/SettingTable.h"

namespace quillon {
namespace {

CommandFrame Frame(std::uint8_t command, std::uint8_t qualifier, std::uint8_t length,
                   std::uint8_t profile = 0) {
    CommandFrame frame(command, qualifier);
    frame[5] = length;
    frame[8] = profile;
    return frame;
}

VirtualPerformance Distinct() {
    VirtualPerformance p;
    p.lightMode = 3;
    p.reportRate = 2;
    p.stageCount = 6;
    p.stage = 4;
    p.dpi = {100, 200, 300, 26000, 500, 600};
    p.colour = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    p.scroll = 1;
    p.liftoff = 2;
    p.sensor = 0x31;
    p.respondTime = 8;
    p.sleepMinutes = 30;
    p.esports = 2;
    p.wakeUp = 0;
    return p;
}

TEST(VirtualFirmware, PerformanceReadAnswersTheDocumentedReplyBytes) {
    EmulatorRig rig;
    rig.mouse.SetPerformance(2, Distinct());
    auto reply = rig.Exchange(Frame(0x0E, 0xA5, 0x30, 2));
    ASSERT_TRUE(reply);
    std::vector<std::uint8_t> expected(64, 0);
    expected[0] = 0xAA, expected[1] = 0x0E, expected[8] = 2;
    expected[9] = 3, expected[10] = 2, expected[11] = 6, expected[12] = 4;
    const std::uint8_t dpi[] = {100, 0, 200, 0, 44, 1, 0x90, 0x65, 0xF4, 1, 0x58, 2};
    std::copy(std::begin(dpi), std::end(dpi), expected.begin() + 13);
    const std::uint8_t colours[] = {0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0x99, 0x88, 0x77,
                                    0xCC, 0xBB, 0xAA, 0xFF, 0xEE, 0xDD, 0x03, 0x02, 0x01};
    std::copy(std::begin(colours), std::end(colours), expected.begin() + 25);
    expected[48] = 1, expected[49] = 2, expected[50] = 0x31, expected[51] = 8;
    expected[52] = 30, expected[53] = 2, expected[55] = 0;
    EXPECT_EQ(*reply, expected);
}

TEST(VirtualFirmware, PerformanceWriteStoresTheBlockAndReadsBackShiftedByOne) {
    EmulatorRig rig;
    CommandFrame write = Frame(0x0F, 0xAE, 0x30, 1);
    write[9] = 1;
    const auto block = Distinct().Encode(1);
    std::copy(block.begin(), block.end(), write.bytes.begin() + 9);
    write[55] = 1;  // wake-up on
    ASSERT_TRUE(rig.Exchange(write));
    VirtualPerformance expected = Distinct();
    expected.wakeUp = 1;
    EXPECT_EQ(rig.mouse.Performance(1), expected);
    EXPECT_EQ(rig.mouse.CurrentProfile(), 1);

    auto reply = rig.Exchange(Frame(0x0E, 0xA5, 0x30, 1));
    ASSERT_TRUE(reply);
    for (std::size_t i = 9; i <= 53; ++i) {
        EXPECT_EQ((*reply)[i], write[i + 1]) << "reply byte " << i;
    }
    EXPECT_EQ((*reply)[54], 0);
    EXPECT_EQ((*reply)[55], write[55]) << "the wake-up flag keeps its place";
}

TEST(VirtualFirmware, SingleValueWritesChangeTheNamedProfile) {
    EmulatorRig rig;
    CommandFrame dpi = Frame(0x22, 0xAE, 0x03, 3);
    dpi[11] = 3;
    dpi.PutU16(12, 26000);
    ASSERT_TRUE(rig.Exchange(dpi));
    CommandFrame rate = Frame(0x23, 0xAE, 0x03, 3);
    rate[11] = 2;
    ASSERT_TRUE(rig.Exchange(rate));
    CommandFrame light = Frame(0x21, 0xA5, 0x03, 3);
    light[11] = 5;
    ASSERT_TRUE(rig.Exchange(light));

    EXPECT_EQ(rig.mouse.CurrentProfile(), 3);
    EXPECT_EQ(rig.mouse.CurrentStage(), 3);
    EXPECT_EQ(rig.mouse.Performance(3).dpi[2], 26000);
    EXPECT_EQ(rig.mouse.ReportRate(), 2);
    EXPECT_EQ(rig.mouse.LightMode(), 5);
    EXPECT_EQ(rig.mouse.Performance(0),
              VirtualPerformance::Decode(VirtualFirmwareState::FactoryDefaults().performance[0]));

    // Values the mouse cannot use are answered and ignored.
    dpi[11] = 7;
    rate[11] = 9;
    EXPECT_TRUE(rig.Exchange(dpi));
    EXPECT_TRUE(rig.Exchange(rate));
    EXPECT_EQ(rig.mouse.CurrentStage(), 3);
    EXPECT_EQ(rig.mouse.ReportRate(), 2);
}

// The single-value writes take the values the host may store for them, from the table of
// settings, and leave the mouse as it was one past either end.
TEST(VirtualFirmware, SingleValueWritesTakeTheStoredRangeAndNothingPastIt) {
    struct Case {
        const char* key;
        std::uint8_t command;
        int wireOffset;  // what the command adds to the stored value
        std::function<int(const VirtualMouse&)> read;
    };
    const Case cases[] = {
        {"dpi_index", 0x22, 1, [](const VirtualMouse& mouse) { return mouse.CurrentStage(); }},
        {"report_rate", 0x23, 0, [](const VirtualMouse& mouse) { return mouse.ReportRate(); }},
    };
    for (const Case& c : cases) {
        const SettingEntry* setting = SettingByKey(c.key);
        ASSERT_NE(setting, nullptr) << c.key;
        EmulatorRig rig;
        auto write = [&](int stored) {
            CommandFrame frame = Frame(c.command, 0xAE, 0x03);
            frame[11] = static_cast<std::uint8_t>(stored + c.wireOffset);
            frame.PutU16(12, 1600);
            return rig.Exchange(frame).has_value();
        };
        const int middle = (setting->low + setting->high) / 2;
        for (int stored : {setting->low - 1, setting->low, setting->high, setting->high + 1}) {
            ASSERT_TRUE(write(middle));
            ASSERT_EQ(c.read(rig.mouse), middle + c.wireOffset);
            EXPECT_TRUE(write(stored)) << c.key << " " << stored << ": answered either way";
            const bool usable = stored >= setting->low && stored <= setting->high;
            EXPECT_EQ(c.read(rig.mouse), (usable ? stored : middle) + c.wireOffset)
                << c.key << " " << stored;
        }
    }
}

TEST(VirtualFirmware, ButtonTablesRoundTripAtTheirOffsets) {
    EmulatorRig rig;
    CommandFrame write = Frame(0x09, 0xA5, 0x20, 4);
    for (std::size_t i = 0; i < 36; ++i) {
        write[9 + i] = static_cast<std::uint8_t>(i + 1);
    }
    ASSERT_TRUE(rig.Exchange(write));
    VirtualMouse::ButtonTable expected{};
    for (std::size_t i = 0; i < 36; ++i) {
        expected[i] = static_cast<std::uint8_t>(i + 1);
    }
    EXPECT_EQ(rig.mouse.Buttons(4), expected);

    auto reply = rig.Exchange(Frame(0x08, 0xA5, 0x20, 4));
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[1], 0x08);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), reply->begin() + 8));

    auto fresh = rig.Exchange(Frame(0x08, 0xA5, 0x20, 5));
    ASSERT_TRUE(fresh);
    const std::uint8_t defaults[] = {0x20, 0x01, 0, 0, 0x20, 0x02, 0,    0, 0x20, 0x04, 0, 0,
                                     0x20, 0x08, 0, 0, 0x20, 0x10, 0,    0, 0x21, 0x55, 0, 0,
                                     0x21, 0x38, 1, 0, 0x21, 0x38, 0xFF, 0, 0,    0,    0, 0};
    EXPECT_TRUE(std::equal(std::begin(defaults), std::end(defaults), fresh->begin() + 8));
}

TEST(VirtualFirmware, VersionAndBatteryReplies) {
    EmulatorRig rig;
    auto version = rig.Exchange(Frame(0x03, 0x00, 0x00));
    ASSERT_TRUE(version);
    EXPECT_EQ((*version)[23], '1');
    EXPECT_EQ((*version)[24], '0');
    EXPECT_EQ((*version)[25], '4');

    VirtualFirmwareState state = rig.mouse.State();
    state.batteryLevel = 64;
    state.chargeState = 1;
    rig.mouse.SetState(state);
    auto battery = rig.Exchange(Frame(0x30, 0xA5, 0x2E));
    ASSERT_TRUE(battery);
    EXPECT_EQ((*battery)[1], 0x30);
    EXPECT_EQ((*battery)[8], 64);
    EXPECT_EQ((*battery)[9], 1);
}

TEST(VirtualFirmware, MacroChunksTakeEffectOnlyWithTheClosingCommand) {
    EmulatorRig rig;
    auto chunk = [](std::uint16_t offset, std::uint8_t length, std::uint8_t fill) {
        CommandFrame frame = Frame(0x0D, 0x00, length);
        frame.PutU16(6, offset);
        std::fill(frame.bytes.begin() + 9, frame.bytes.begin() + 9 + length, fill);
        return frame;
    };
    ASSERT_TRUE(rig.Exchange(chunk(0, 56, 0x11)));
    ASSERT_TRUE(rig.Exchange(chunk(56, 4, 0x22)));
    ASSERT_TRUE(rig.Exchange(chunk(4200, 56, 0x33))) << "past the end: answered, not stored";
    EXPECT_EQ(rig.mouse.MacroImageBytes(), VirtualMouse::MacroImage{});
    EXPECT_EQ(rig.mouse.MacroCommits(), 0);

    ASSERT_TRUE(rig.Exchange(Frame(0x10, 0xA5, 0x00)));
    const VirtualMouse::MacroImage image = rig.mouse.MacroImageBytes();
    EXPECT_EQ(image[0], 0x11);
    EXPECT_EQ(image[55], 0x11);
    EXPECT_EQ(image[56], 0x22);
    EXPECT_EQ(image[59], 0x22);
    EXPECT_EQ(image[60], 0x00);
    EXPECT_EQ(image[4200], 0x00);
    EXPECT_EQ(rig.mouse.MacroCommits(), 1);
}

TEST(VirtualFirmware, IgnoresRequestsItDoesNotAccept) {
    struct Case {
        const char* name;
        CommandFrame frame;
        bool checksum;
    };
    CommandFrame badMarker = Frame(0x30, 0xA5, 0x2E);
    badMarker[1] = 0x56;
    CommandFrame badChecksum = Frame(0x30, 0xA5, 0x2E);
    badChecksum[4] = 0x00;
    const Case cases[] = {
        {"wrong request marker", badMarker, true},
        {"wrong checksum", badChecksum, false},
        {"wrong qualifier", Frame(0x0F, 0xA5, 0x30), true},
        {"wrong length byte", Frame(0x30, 0xA5, 0x20), true},
        {"profile index 6", Frame(0x08, 0xA5, 0x20, 6), true},
        {"unknown command", Frame(0x77, 0xA5, 0x00), true},
        {"empty macro chunk", Frame(0x0D, 0x00, 0), true},
        {"oversized macro chunk", Frame(0x0D, 0x00, 57), true},
    };
    for (const Case& c : cases) {
        EmulatorRig rig;
        EXPECT_FALSE(rig.Exchange(c.frame, c.checksum)) << c.name;
        ASSERT_EQ(rig.mouse.Requests().size(), 1u) << c.name;
        EXPECT_FALSE(rig.mouse.Requests()[0].answered) << c.name;
        EXPECT_EQ(rig.mouse.State(), VirtualFirmwareState::FactoryDefaults()) << c.name;
    }
}

}  // namespace
}  // namespace quillon
