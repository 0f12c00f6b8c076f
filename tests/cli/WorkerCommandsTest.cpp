#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/DeviceSession.h"
#include "cli/WatchHook.h"
#include "store/SettingsStore.h"
#include "support/CliRun.h"
#include "support/EmulatedCli.h"
#include "support/StoredMacro.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"

namespace quillon {
namespace {

class WorkerCommandsTest : public test::EmulatedCli {};

using test::Has;

TEST_F(WorkerCommandsTest, ValuesAppliedToTheMouseReadBackIntoAFreshDatabase) {
    EXPECT_TRUE(Has(Run({"dpi", "set", "2", "1750"}).out, "(1750 rounded to the nearest 100)"));
    EXPECT_TRUE(Has(Run({"dpi", "set", "6", "30000"}).out,
                    "(30000 is outside 200-24000, so it was clamped)"));
    ASSERT_EQ(Run({"dpi", "select", "4"}).status, 0);
    ASSERT_EQ(Run({"rate", "500"}).status, 0);
    ASSERT_EQ(Run({"set", "sleep_light", "30"}).status, 0);
    ASSERT_EQ(Run({"set", "e-sports_flag", "2"}).status, 0);
    ASSERT_EQ(Run({"button", "set", "3", "media:play-pause"}).status, 0);
    ASSERT_EQ(Run({"button", "set", "5", "middle"}).status, 0);
    ASSERT_EQ(Run({"macro", "new"}).status, 0);
    test::CliResult applied = Run({"apply"});
    ASSERT_EQ(applied.status, 0) << applied.err;
    EXPECT_TRUE(Has(applied.out, "1 macro,")) << applied.out;
    EXPECT_TRUE(Has(applied.out, "stage 4 (2400 DPI), 500 Hz")) << applied.out;
    test::CliResult before = Run({"--json", "dpi"});

    test::CliResult read = Run({"--json", "read"}, "fresh");
    ASSERT_EQ(read.status, 0) << read.err;
    const nlohmann::json readBack = test::ParsedOut(read);
    EXPECT_EQ(readBack["stage"], 4) << read.out;
    EXPECT_EQ(readBack["dpi"], 2400) << read.out;
    EXPECT_EQ(readBack["report_rate"], 3) << read.out;
    EXPECT_EQ(readBack["report_rate_hz"], 500) << read.out;
    test::CliResult after = Run({"--json", "dpi"}, "fresh");
    EXPECT_EQ(test::ParsedOut(after)["stages"][1]["dpi"], 1800) << after.out;
    EXPECT_EQ(test::ParsedOut(after)["stages"][5]["dpi"], 24000) << after.out;
    // Colours are not read back, and the fresh database keeps its own defaults for them.
    EXPECT_EQ(after.out, before.out);
    EXPECT_EQ(Run({"get", "sleep_light"}, "fresh").out, Run({"get", "sleep_light"}).out);
    EXPECT_TRUE(Has(Run({"get", "sleep_light"}, "fresh").out, "30")) << "the fresh default is 10";
    EXPECT_TRUE(Has(Run({"get", "e-sports_flag"}, "fresh").out, "2"));
    test::CliResult buttons = Run({"--json", "buttons"}, "fresh");
    EXPECT_TRUE(Has(buttons.out, R"({"key_code":3,"type":25,"value":2,)")) << buttons.out;
    EXPECT_TRUE(Has(buttons.out, R"({"key_code":5,"type":2,"value":1,)")) << buttons.out;
}

// Both the stored-only changes and the refused commands say why in the user's terms.
TEST_F(WorkerCommandsTest, ChangesWithoutAConfigurableMouseAreStoredButNotSent) {
    struct Case {
        const char* links;
        const char* why;
    };
    const Case cases[] = {
        {"bluetooth",
         "the mouse is connected over Bluetooth, which carries no settings; connect "
         "the cable or the receiver"},
        {"receiver-asleep", "the receiver is connected but the mouse does not answer"},
        // Of the two, Bluetooth is the active connection.
        {"receiver+bluetooth",
         "the receiver and Bluetooth are both connected, and Bluetooth, "
         "which carries no settings, is the active connection"},
    };
    for (const Case& c : cases) {
        test::CliResult r = Run({"dpi", "set", "1", "1249"}, "data", c.links);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(
            Has(r.out, std::string("1200 DPI (1249 rounded to the nearest 100), stored; ") + c.why))
            << r.out;
        EXPECT_TRUE(Has(r.out, "`quillonctl apply` sends it later.\n")) << r.out;
        EXPECT_EQ(Run({"rate", "125"}, "data", c.links).status, 0);
        for (const std::string command : {"read", "apply", "info", "watch"}) {
            // watch waits for a mouse; --once tells the state now.
            test::CliResult refused = command == "watch" ? Run({"--once", command}, "data", c.links)
                                                         : Run({command}, "data", c.links);
            EXPECT_EQ(refused.status, 2) << c.links << " " << command;
            EXPECT_TRUE(Has(refused.err, c.why)) << refused.err;
        }
    }
    EXPECT_TRUE(Has(Run({"--json", "dpi"}).out, R"({"stage":1,"dpi":1200,)"));
}

TEST_F(WorkerCommandsTest, InfoReportsConnectionFirmwareAndBattery) {
    test::CliResult r = Run({"--json", "info"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ParsedOut(r),
              nlohmann::json::parse(R"({"connection_mode":0,"connection":"wired",
        "firmware":"1.0.4","battery":80,"charging":false})"));
    test::CliResult receiver = Run({"info"}, "data", "receiver");
    EXPECT_TRUE(Has(receiver.out, "Connection: receiver")) << receiver.out;
    EXPECT_TRUE(Has(receiver.out, "Battery:    80% (not charging)")) << receiver.out;
}

TEST_F(WorkerCommandsTest, ResetAndRestoreDefaultsBringBackTheDefaults) {
    ASSERT_EQ(Run({"dpi", "set", "1", "5000"}).status, 0);
    ASSERT_EQ(Run({"rate", "125"}).status, 0);
    test::CliResult restored = Run({"restore-defaults"});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_TRUE(Has(restored.out, "stage 3 (1600 DPI), 1000 Hz)")) << restored.out;
    EXPECT_TRUE(Has(Run({"--json", "dpi"}).out, R"({"stage":1,"dpi":800,)"));

    ASSERT_EQ(Run({"dpi", "set", "1", "5000"}).status, 0);
    ASSERT_EQ(Run({"--profile", "2", "rate", "250"}).status, 0);
    test::CliResult reset = Run({"--yes", "reset"});
    ASSERT_EQ(reset.status, 0) << reset.err;
    EXPECT_TRUE(Has(Run({"--json", "dpi"}).out, R"({"stage":1,"dpi":800,)"));
    EXPECT_EQ(test::ParsedOut(Run({"--json", "read"}))["report_rate_hz"], 1000);
}

TEST_F(WorkerCommandsTest, RestoreDefaultsOverTheReceiverStoresTheReceiversReportRate) {
    ASSERT_EQ(Run({"rate", "1000"}, "data", "receiver").status, 0);
    test::CliResult restored = Run({"restore-defaults"}, "data", "receiver");
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_TRUE(Has(restored.out, "250 Hz")) << restored.out;
    EXPECT_EQ(Run({"get", "report_rate"}).out, "2\n") << "250 Hz over the receiver, not 1000";
}

// Six macros of 200 key events need 640 bytes more than the mouse's 4224. Such a table
// arrives from elsewhere (an older version, an edited file); it is written here directly.
TEST_F(WorkerCommandsTest, AnApplyWhoseMacrosDoNotFitSendsNothingAndNamesTheMacro) {
    ASSERT_EQ(Run({"rate", "125"}).status, 0);
    ASSERT_EQ(Run({"rate", "250"}, "data", "bluetooth").status, 0);  // stored, not sent
    {
        SettingsStore store;
        ASSERT_TRUE(store.OpenForDevice(dir.file("data"), "Q1"));
        for (int m = 1; m <= 6; ++m) {
            test::AddKeyMacro(store, "long " + std::to_string(m), 200);
        }
    }
    test::CliResult refused = Run({"apply"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Has(refused.err,
                    "nothing was sent to the mouse: the macros need 4864 bytes, 640 "
                    "more than the mouse's 4224; macro \"long 6\" (id 6) is the "
                    "first that does not fit"))
        << refused.err;
    EXPECT_EQ(test::ParsedOut(Run({"--json", "read"}, "fresh"))["report_rate_hz"], 125);
    EXPECT_EQ(test::ParsedOut(Run({"--json", "get", "report_rate"}))["value"], 2)
        << "the database is unchanged";
}

TEST_F(WorkerCommandsTest, UsageErrors) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"dpi", "set", "7", "800"},
                                               {"dpi", "set", "1"},
                                               {"dpi", "set", "1", "8OO"},
                                               {"dpi", "select", "0"},
                                               {"dpi", "frob"},
                                               {"rate", "300"},
                                               {"rate", "500", "1000"},
                                               {"read", "now"}}) {
        EXPECT_EQ(Run(words).status, 64) << words[0] << " " << words[1 % words.size()];
    }
}

TEST_F(WorkerCommandsTest, WatchPrintsALineWhenTheMousesDpiButtonIsPressed) {
    int pressedAt = -1;
    int calls = 0;
    cli::SetWatchHook([&](cli::DeviceSession& devices, int lines) {
        if (pressedAt < 0) {
            pressedAt = lines;
            devices.Emulator()->PressDpiButton();
        }
        return lines == pressedAt && ++calls < 1000;
    });
    test::CliResult r = Run({"--json", "watch"});
    cli::SetWatchHook(nullptr);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, R"({"event":"battery","battery":80,"charging":false})")) << r.out;
    // A new virtual mouse is on stage 1 of its own table, which the first read stores.
    EXPECT_TRUE(Has(r.out, R"({"event":"stage","stage":1,"dpi":400})")) << r.out;
    EXPECT_TRUE(Has(r.out, R"({"event":"stage","stage":2,"dpi":800})"
                           "\n"))
        << r.out;
}

// A status bar's view: the watch goes on across unplug and re-plug, with a line for each, and
// the values again once the mouse is back.
TEST_F(WorkerCommandsTest, WatchKeepsGoingAcrossUnplugAndReplug) {
    int phase = 0;
    int mark = 0;
    int calls = 0;
    cli::SetWatchHook([&](cli::DeviceSession& devices, int lines) {
        if (phase == 0) {
            mark = lines;
            devices.Emulator()->UnplugAll();
            phase = 1;
        } else if (phase == 1 && lines > mark) {
            mark = lines;
            devices.Emulator()->Plug(0);
            phase = 2;
        } else if (phase == 2 && lines > mark + 3) {
            return false;  // connected, stage, rate, light mode
        }
        return ++calls < 1000;
    });
    test::CliResult r = Run({"--json", "watch"});
    cli::SetWatchHook(nullptr);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string connected = R"({"event":"connected","connection":"wired"})"
                                  "\n";
    const std::string stage = R"({"event":"stage","stage":1,"dpi":400})"
                              "\n";
    const size_t first = r.out.find(connected);
    const size_t gone = r.out.find(R"({"event":"disconnected"})"
                                   "\n");
    const size_t back = r.out.find(connected, gone);
    ASSERT_EQ(first, 0u) << r.out;
    ASSERT_NE(gone, std::string::npos) << r.out;
    ASSERT_NE(back, std::string::npos) << r.out;
    EXPECT_NE(r.out.find(stage, back), std::string::npos) << r.out;
}

// Started with no mouse, the watch says so and waits; --once only says so.
TEST_F(WorkerCommandsTest, WatchWaitsForAMouseAndOnceTellsTheStateNow) {
    test::CliResult none = Run({"--json", "--once", "watch"}, "data", "bluetooth");
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out.rfind(R"({"event":"disconnected"})"
                             "\n{\"error\":",
                             0),
              0u)
        << none.out;
    test::CliResult now = Run({"--once", "watch"});
    EXPECT_EQ(now.status, 0) << now.err;
    EXPECT_EQ(now.out.rfind("connected (wired)\n", 0), 0u) << now.out;
    EXPECT_TRUE(Has(now.out, "stage 1: 400 DPI\n")) << now.out;

    int calls = 0;
    bool plugged = false;
    cli::SetWatchHook([&](cli::DeviceSession& devices, int lines) {
        if (!plugged) {
            devices.Emulator()->Connect(test::Wired());
            plugged = true;
        }
        return lines < 3 && ++calls < 1000;
    });
    test::CliResult waited = Run({"--json", "watch"}, "data", "bluetooth");
    cli::SetWatchHook(nullptr);
    ASSERT_EQ(waited.status, 0) << waited.err;
    EXPECT_TRUE(Has(waited.out, R"({"event":"disconnected"})"
                                "\n"
                                R"({"event":"connected","connection":"wired"})"
                                "\n"))
        << waited.out;
}

}  // namespace
}  // namespace quillon
