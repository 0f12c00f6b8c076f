#include "protocol/CommandSet.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "protocol/CommandRig.h"
#include "protocol/PerformanceCommands.h"
#include "store/SqlHelpers.h"

namespace quillon {
namespace {

using test::CommandRig;

// The bytes the mouse received, in hex, trailing zeros left out.
std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::size_t end = bytes.size();
    while (end > 0 && bytes[end - 1] == 0) {
        --end;
    }
    std::string out;
    for (std::size_t i = 0; i < end; ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", bytes[i]);
        out += byte;
    }
    return out;
}

TEST(CommandSetTest, WritesSendTheStoredValuesOfTheActiveProfileByteForByte) {
    CommandRig rig;
    ASSERT_TRUE(rig.store.SetActiveProfile(3));
    rig.host.profile = 3;  // a fresh profile: the database defaults
    rig.Mouse().ClearRequests();
    rig.commands.WritePerformanceBlock();
    rig.commands.WriteCurrentDpi();
    rig.commands.WriteReportRate();
    rig.commands.WriteLightMode();

    const std::vector<std::string> expected = {
        // 0x0F: checksum 0xA9, profile index 2 twice, light 1, rate 2, stage byte 6, stage 3,
        // six DPIs, six colours (red low byte), scroll 0, lift-off 1, sensor 0x30, response 8,
        // sleep 10, e-sports 1, wake-up 1.
        "00 55 0F AE A9 30 00 00 02 02 01 02 06 03 20 03 B0 04 40 06 60 09 80 0C 00 19 "
        "FF 00 00 00 00 FF 00 FF 00 FF FF 00 00 FF FF 80 00 80 00 00 00 00 00 00 01 30 08 0A "
        "01 01",
        "00 55 22 AE 4E 03 00 00 02 00 00 03 40 06",  // stage 3 at 1600 DPI
        "00 55 23 AE 07 03 00 00 02 00 00 02",        // 250 Hz
        "00 55 21 A5 06 03 00 00 02 00 00 01",        // light mode 1
    };
    std::vector<VirtualRequest> requests = rig.Mouse().Requests();
    ASSERT_EQ(requests.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(Hex(requests[i].bytes), expected[i]) << "request " << i;
        EXPECT_TRUE(requests[i].answered);
    }
    VirtualPerformance kept = rig.Mouse().Performance(2);
    EXPECT_EQ(kept.stage, 3);
    EXPECT_EQ(kept.reportRate, 2);
    EXPECT_EQ(kept.lightMode, 1);
    EXPECT_EQ(kept.dpi, (std::array<std::uint16_t, 6>{800, 1200, 1600, 2400, 3200, 6400}));
}

TEST(CommandSetTest, WhatIsWrittenReadsBackIntoAFreshDatabase) {
    CommandRig writer;
    writer.store.SetActiveProfile(2);
    writer.host.profile = 2;
    ProfileValues values = writer.Values();
    const std::vector<std::pair<std::string, int>> edits = {
        {"dpi_group0_value", 500},  {"dpi_group3_value", 24000}, {"dpi_group5_value", 100},
        {"dpi_index", 4},           {"report_rate", 3},          {"light_mode", 5},
        {"scroll_flag", 1},         {"liftoff_height", 2},       {"sensor_flag", 28},
        {"button_respondtime", 12}, {"sleep_light", 30},         {"e-sports_flag", 2},
        {"move_wakeUp_flag", 0},
    };
    for (const auto& [key, value] : edits) {
        ASSERT_TRUE(values.Set(key, value));
    }
    writer.commands.WritePerformanceBlock();
    writer.commands.WriteCurrentDpi();
    writer.commands.WriteReportRate();

    // A second program with its own database reads the same mouse.
    CommandRig reader;
    reader.Mouse().SetState(writer.Mouse().State());
    reader.store.SetActiveProfile(2);
    reader.host.profile = 2;
    EXPECT_TRUE(reader.commands.ReadDeviceSettings());
    ProfileValues read = reader.Values();
    for (const auto& [key, value] : edits) {
        EXPECT_EQ(read.Get(key), value) << key;
    }
    EXPECT_EQ(read.Get("dpi_flag"), 6);
    EXPECT_EQ(read.Get("dpi_count"), 6);
    EXPECT_EQ(read.Get("dpi_group1_value"), 1200);  // unchanged stages come back as they were
}

TEST(CommandSetTest, AReadThatFindsWhatIsStoredWritesNothingAndMendsWhatDiffers) {
    CommandRig rig;
    const int macro = rig.store.AddMacro("Jump");
    KeyAssignment key;
    key.profile = 1;
    key.key_code = 4;
    key.macro_type = kMacroFunctionType;
    key.macro_value = macro;
    key.macro_desc = "Jump";
    ASSERT_GT(rig.store.SaveKeyAssignment(key), 0);
    ASSERT_TRUE(rig.commands.WriteMacros());
    rig.commands.WriteButtons();
    rig.commands.WritePerformanceBlock();
    ASSERT_TRUE(rig.commands.ReadDeviceSettings());  // the mouse's own defaults come in once

    // Every row the store writes from here on is counted.
    const std::string path = rig.store.DatabasePath();
    ASSERT_EQ(test::QuerySql(path,
                             "CREATE TABLE writes (n INTEGER); INSERT INTO writes VALUES (0);"
                             "CREATE TRIGGER v AFTER UPDATE ON t_configdata BEGIN "
                             "UPDATE writes SET n = n + 1; END;"
                             "CREATE TRIGGER k AFTER INSERT ON t_key_macro_data BEGIN "
                             "UPDATE writes SET n = n + 1; END;"
                             "CREATE TRIGGER d AFTER DELETE ON t_key_macro_data BEGIN "
                             "UPDATE writes SET n = n + 1; END;"),
              test::SqlRows{});
    ASSERT_TRUE(rig.commands.ReadDeviceSettings());
    EXPECT_EQ(test::QueryColumn(path, "SELECT n FROM writes"), std::vector<std::string>{"0"});

    // Rows that differ from what the mouse holds are written, the number's text included.
    ASSERT_TRUE(rig.store.SetValue(1, "dpi_group1_value", "1200 dpi"));
    key.macro_type = 1;
    key.macro_value = 2;
    key.macro_desc = "";
    ASSERT_GT(rig.store.SaveKeyAssignment(key), 0);
    ASSERT_TRUE(rig.commands.ReadDeviceSettings());
    std::string text;
    ASSERT_TRUE(rig.store.GetValue(1, "dpi_group1_value", text));
    EXPECT_EQ(text, "1200");
    KeyAssignment read;
    ASSERT_TRUE(rig.store.GetKeyAssignment(1, 4, read));
    EXPECT_EQ(read.macro_type, kMacroFunctionType);
    EXPECT_EQ(read.macro_value, macro);
    // The two rows set by hand, the button's old row out and its new one in; nothing else.
    EXPECT_EQ(test::QueryColumn(path, "SELECT n FROM writes"), std::vector<std::string>{"6"});
}

TEST(CommandSetTest, DpiOutsideTheWireRangeIsSentAsZeroAndNeverStored) {
    CommandRig rig;
    rig.Values().Set("dpi_group0_value", 30000);
    rig.Values().Set("dpi_group1_value", 40);
    rig.commands.WritePerformanceBlock();
    VirtualPerformance kept = rig.Mouse().Performance(0);
    EXPECT_EQ(kept.dpi[0], 0);
    EXPECT_EQ(kept.dpi[1], 0);
    EXPECT_EQ(kept.dpi[2], 1600);

    // Reading it back keeps the stored values of the stages the mouse reports as 0.
    rig.commands.ReadDeviceSettings();
    EXPECT_EQ(rig.Values().Get("dpi_group0_value"), 30000);
    EXPECT_EQ(rig.Values().Get("dpi_group1_value"), 40);
    EXPECT_EQ(rig.Values().Get("dpi_group2_value"), 1600);
}

TEST(CommandSetTest, AnEmptyBlockStoresNothingAndAMissingDpiTableGetsTheStoredBlock) {
    CommandRig rig;
    VirtualFirmwareState state = rig.Mouse().State();
    state.performance[0].fill(0);  // bytes 9-11 of the reply are 0
    rig.Mouse().SetState(state);
    rig.Values().Set("light_mode", 4);
    EXPECT_TRUE(rig.commands.ReadDeviceSettings());
    EXPECT_EQ(rig.Values().Get("light_mode"), 4);
    EXPECT_EQ(rig.Values().Get("report_rate"), 2);
    EXPECT_EQ(rig.Mouse().Performance(0).lightMode, 0);  // and nothing was sent

    VirtualPerformance blank = rig.Mouse().Performance(0);
    blank.lightMode = 3;
    blank.dpi[0] = 0xFFFF;
    blank.dpi[1] = 0x00FF;  // reply byte 15 = 0xFF
    rig.Mouse().SetPerformance(0, blank);
    rig.commands.ReadDeviceSettings();
    EXPECT_EQ(rig.Values().Get("light_mode"), 4);  // the store wins
    VirtualPerformance pushed = rig.Mouse().Performance(0);
    EXPECT_EQ(pushed.lightMode, 4);
    EXPECT_EQ(pushed.dpi, (std::array<std::uint16_t, 6>{800, 1200, 1600, 2400, 3200, 6400}));
}

TEST(CommandSetTest, ReadStageIsClampedAndASilentMouseChangesNothing) {
    CommandRig rig;
    for (auto [wire, stored] : {std::pair{0, 0}, {9, 5}, {4, 3}}) {
        VirtualPerformance performance = rig.Mouse().Performance(0);
        performance.stage = static_cast<std::uint8_t>(wire);
        rig.Mouse().SetPerformance(0, performance);
        rig.commands.ReadDeviceSettings();
        EXPECT_EQ(rig.Values().Get("dpi_index"), stored) << "stage byte " << wire;
    }
    rig.Values().Set("dpi_index", 1);
    std::pair<int, int> battery = rig.host.Battery();
    rig.Mouse().DropReplies(1000);
    EXPECT_TRUE(rig.commands.ReadDeviceSettings());
    EXPECT_EQ(rig.Values().Get("dpi_index"), 1);
    EXPECT_EQ(rig.host.Battery(), battery);
}

TEST(CommandSetTest, BatteryAndFirmwareVersion) {
    CommandRig rig;
    rig.Mouse().SetBattery(150, 1);
    rig.commands.ReadBattery();
    EXPECT_EQ(rig.host.Battery(), (std::pair{100, 1}));

    rig.commands.ShowFirmwareVersions();
    EXPECT_EQ(rig.host.Firmware(), "1.0.4");
    VirtualFirmwareState state = rig.Mouse().State();
    state.firmwareDigits = "2x7";
    rig.Mouse().SetState(state);
    rig.commands.QueryFirmwareVersion();
    EXPECT_EQ(rig.host.Firmware(), "2.0.7");
    rig.Mouse().DropReplies(1000);
    rig.commands.QueryFirmwareVersion();
    EXPECT_EQ(rig.host.Firmware(), "2.0.7");  // kept when the mouse does not answer
}

TEST(CommandSetTest, LightModeIsSentAndResetToZero) {
    CommandRig rig;
    rig.Values().Set("light_mode", 5);
    rig.commands.WriteLightMode();
    EXPECT_EQ(rig.Mouse().LightMode(), 5);
    EXPECT_EQ(rig.host.LightMode(), 5);
    rig.store.SetValue(rig.host.profile, "light_mode", "wave");  // not a number: sent as 0
    rig.commands.WriteLightMode();
    EXPECT_EQ(rig.Mouse().LightMode(), 0);

    rig.Values().Set("light_mode", 6);
    rig.commands.ResetLightMode();
    EXPECT_EQ(rig.Values().Get("light_mode"), 0);
    EXPECT_EQ(rig.Mouse().LightMode(), 0);
    EXPECT_EQ(rig.host.LightMode(), 0);
}

TEST(CommandSetTest, FactoryResetStoresTheConnectionsRateAndSendsTheDefaults) {
    for (bool wired : {true, false}) {
        auto made = wired ? std::make_unique<CommandRig>(std::initializer_list{test::Wired()})
                          : std::make_unique<CommandRig>(std::initializer_list{test::Receiver()});
        CommandRig& rig = *made;
        rig.store.ClearAll();
        rig.host.profile = rig.store.EnsureDefaultProfiles();
        rig.Mouse().SetBattery(42, 0);
        rig.commands.FactoryResetProcedure();
        ProfileValues values = rig.Values();
        EXPECT_EQ(values.Get("report_rate"), wired ? 4 : 2);
        EXPECT_EQ(values.Get("light_mode"), 0);
        EXPECT_EQ(values.Get("move_wakeUp_flag"), 1);
        VirtualPerformance kept = rig.Mouse().Performance(0);
        EXPECT_EQ(kept.reportRate, wired ? 4 : 2);
        EXPECT_EQ(kept.lightMode, 0);
        EXPECT_EQ(kept.stage, 3);
        EXPECT_EQ(rig.host.Battery(), (std::pair{42, 0}));
    }
}

TEST(CommandSetTest, AMouseUnpluggedMidTransferLeavesItsCommandsCountedAsUnanswered) {
    CommandRig rig;
    rig.Mouse().UnplugOnRequest(2);
    rig.commands.WritePerformanceBlock();
    rig.commands.WriteCurrentDpi();
    rig.commands.WriteReportRate();
    EXPECT_TRUE(rig.commands.ReadDeviceSettings());
    EXPECT_EQ(rig.commands.Channel().Unanswered(), 10);  // all but the first command
    EXPECT_EQ(rig.Values().Get("dpi_index"), 2);
    rig.commands.Channel().ResetCount();
    EXPECT_EQ(rig.commands.Channel().Unanswered(), 0);
}

TEST(CommandSetTest, MacrosTheMouseCannotHoldAreNotSentAndSayWhy) {
    CommandRig rig;
    rig.store.AddMacro("only");
    rig.commands.WriteMacros();
    EXPECT_EQ(rig.commands.MacroProblem(), "");
    EXPECT_EQ(rig.Mouse().MacroCommits(), 1);

    for (int i = 0; i < 32; ++i) {  // 33 macros: one more than the offset table holds
        rig.store.AddMacro("macro");
    }
    rig.Mouse().ClearRequests();
    rig.commands.WriteMacros();
    EXPECT_NE(rig.commands.MacroProblem(), "");
    EXPECT_EQ(rig.Mouse().WriteCount(), 0);
    EXPECT_EQ(rig.Mouse().MacroCommits(), 1);
}

TEST(CommandSetTest, NothingIsSentWithoutAConfigurableInterface) {
    CommandRig rig({test::Bluetooth()});
    rig.commands.WritePerformanceBlock();
    rig.commands.WriteLightMode();
    EXPECT_TRUE(rig.commands.ReadDeviceSettings());
    EXPECT_EQ(rig.Mouse().WriteCount(), 0);
    EXPECT_EQ(rig.commands.Channel().Unanswered(), 10);
}

}  // namespace
}  // namespace quillon
