#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "emulator/VirtualMouse.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every command that changes what the mouse holds follows one rule: stored, then sent when a
// configurable mouse is connected and --no-send is not given; the output says which.
TEST(SendRuleTest, ChangesAreStoredThenSentOnlyToAConnectedMouseWithoutNoSend) {
    using Words = std::vector<std::string>;
    struct Command {
        Words words;
        // Whether the mouse has the change: its state after the command, and before it.
        std::function<bool(const VirtualMouse& after, const VirtualMouse& before)> received;
        // Run first against the wired mouse, so that it holds what the command changes.
        std::vector<Words> setup = {};
    };
    const auto buttonsChanged = [](const VirtualMouse& after, const VirtualMouse& before) {
        return after.Buttons(0) != before.Buttons(0);
    };
    const auto imageChanged = [](const VirtualMouse& after, const VirtualMouse& before) {
        return after.MacroImageBytes() != before.MacroImageBytes();
    };
    const std::vector<Words> macroOnButton5 = {
        {"macro", "new"}, {"macro", "steps", "1", "+A", "-A"}, {"button", "set", "5", "macro:1"}};
    const std::vector<Command> commands = {
        {{"dpi", "set", "2", "1700"},
         [](const VirtualMouse& m, const VirtualMouse&) {
             return m.Performance(0).dpi[1] == 1700;
         }},
        {{"dpi", "select", "5"},
         [](const VirtualMouse& m, const VirtualMouse&) { return m.CurrentStage() == 5; }},
        {{"rate", "250"},
         [](const VirtualMouse& m, const VirtualMouse&) { return m.ReportRate() == 2; }},
        {{"settings", "lift-off", "2mm"},
         [](const VirtualMouse& m, const VirtualMouse&) { return m.Performance(0).liftoff == 2; }},
        {{"settings", "report-rate", "500"},
         [](const VirtualMouse& m, const VirtualMouse&) { return m.ReportRate() == 3; }},
        {{"set", "sleep_light", "30"},
         [](const VirtualMouse& m, const VirtualMouse&) {
             return m.Performance(0).sleepMinutes == 30;
         }},
        {{"restore-defaults"},
         [](const VirtualMouse& m, const VirtualMouse&) { return m.Performance(0).stage == 3; },
         {{"dpi", "select", "1"}}},
        {{"button", "set", "4", "key:a"}, buttonsChanged},
        // A macro a button runs: its new steps, and its removal, reach the mouse's image.
        {{"macro", "steps", "1", "+B", "t20", "-B"}, imageChanged, macroOnButton5},
        {{"macro", "delete", "1"}, imageChanged, macroOnButton5},
        // The mouse plays the profile that becomes active.
        {{"profile", "use", "3"},
         [](const VirtualMouse& m, const VirtualMouse&) {
             return m.CurrentProfile() == 2 && m.Performance(2).dpi[0] == 900;
         },
         {{"--profile", "3", "dpi", "set", "1", "900"}}},
        {{"profile", "import", "profile2.xml"},
         [](const VirtualMouse& m, const VirtualMouse&) { return m.Performance(0).dpi[0] == 900; },
         {{"--profile", "2", "dpi", "set", "1", "900"},
          {"--profile", "2", "profile", "export", "profile2.xml"}}},
    };
    struct Situation {
        const char* links;
        bool noSend;
        bool sent;
        const char* says;
    };
    const std::vector<Situation> situations = {
        {"wired", false, true, "stored and sent to the mouse."},
        {"bluetooth", false, false,
         "stored; the mouse is connected over Bluetooth, which carries no settings; connect the "
         "cable or the receiver — `quillonctl apply` sends it later."},
        {"wired", true, false, "stored; not sent (--no-send) — `quillonctl apply` sends it later."},
    };
    for (const Command& command : commands) {
        for (const Situation& situation : situations) {
            for (bool json : {false, true}) {
                const std::string what = command.words[0] + " " + command.words.back() + " with " +
                                         situation.links + (situation.noSend ? " --no-send" : "") +
                                         (json ? " --json" : "");
                test::IsolatedHome home;
                test::TempDir dir;
                const std::string state = dir.file("mouse.state");
                const Words common = {"--config",
                                      std::string(QUILLON_SOURCE_DIR) + "/data/config.xml",
                                      "--data-dir", dir.file("data")};
                const auto run = [&](const std::string& links, Words words) {
                    Words args = common;
                    args.push_back("--emulate=" + links + ",state=" + state);
                    for (std::string& word : words) {
                        args.push_back(word == "profile2.xml" ? dir.file(word) : word);
                    }
                    return test::RunCli(args);
                };
                for (const Words& step : command.setup) {
                    const test::CliResult r = run("wired", step);
                    ASSERT_EQ(r.status, 0) << what << ", setting up: " << r.err;
                }
                VirtualMouse before;
                std::string error;
                ASSERT_TRUE(command.setup.empty() || before.LoadState(state, error)) << error;
                Words words;
                if (situation.noSend) {
                    words.push_back("--no-send");
                }
                if (json) {
                    words.push_back("--json");
                }
                words.insert(words.end(), command.words.begin(), command.words.end());
                const test::CliResult r = run(situation.links, words);
                ASSERT_EQ(r.status, 0) << what << ": " << r.err;
                EXPECT_TRUE(
                    Has(r.out, json ? std::string("\"sent\":") + (situation.sent ? "true" : "false")
                                    : situation.says))
                    << what << ": " << r.out;
                VirtualMouse after;
                ASSERT_TRUE(after.LoadState(state, error)) << error;
                EXPECT_EQ(command.received(after, before), situation.sent) << what;
            }
        }
    }
}

// The mouse plays the active profile: a change to another one waits for `profile use`, and
// buttons, which the mouse holds for every profile, still go at once.
TEST(SendRuleTest, ChangesToAnotherProfileSendOnlyWhatTheMouseHoldsForIt) {
    test::IsolatedHome home;
    test::TempDir dir;
    const std::string state = dir.file("mouse.state");
    const auto run = [&](std::vector<std::string> words) {
        std::vector<std::string> args = {"--config",
                                         std::string(QUILLON_SOURCE_DIR) + "/data/config.xml",
                                         "--data-dir",
                                         dir.file("data"),
                                         "--emulate=wired,state=" + state,
                                         "--profile",
                                         "2"};
        args.insert(args.end(), words.begin(), words.end());
        return test::RunCli(args);
    };
    const test::CliResult dpi = run({"dpi", "set", "1", "900"});
    ASSERT_EQ(dpi.status, 0) << dpi.err;
    EXPECT_TRUE(Has(dpi.out,
                    "stored; profile 2 is not the one the mouse plays — `quillonctl "
                    "profile use 2` sends it."))
        << dpi.out;
    const test::CliResult button = run({"--json", "button", "set", "4", "key:a"});
    ASSERT_EQ(button.status, 0) << button.err;
    EXPECT_TRUE(Has(button.out, "\"sent\":true")) << button.out;
    VirtualMouse mouse;
    std::string error;
    ASSERT_TRUE(mouse.LoadState(state, error)) << error;
    EXPECT_EQ(mouse.CurrentProfile(), 0);
    EXPECT_NE(mouse.Performance(1).dpi[0], 900);
    EXPECT_NE(mouse.Buttons(1), VirtualMouse().Buttons(1));
}

}  // namespace
}  // namespace quillon
