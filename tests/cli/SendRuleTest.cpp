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
    struct Command {
        std::vector<std::string> words;
        std::function<bool(const VirtualMouse&)> received;
    };
    const std::vector<Command> commands = {
        {{"dpi", "set", "2", "1700"},
         [](const VirtualMouse& m) { return m.Performance(0).dpi[1] == 1700; }},
        {{"dpi", "select", "5"}, [](const VirtualMouse& m) { return m.CurrentStage() == 5; }},
        {{"rate", "250"}, [](const VirtualMouse& m) { return m.ReportRate() == 2; }},
        {{"settings", "lift-off", "2mm"},
         [](const VirtualMouse& m) { return m.Performance(0).liftoff == 2; }},
        {{"settings", "report-rate", "500"},
         [](const VirtualMouse& m) { return m.ReportRate() == 3; }},
        {{"set", "sleep_light", "30"},
         [](const VirtualMouse& m) { return m.Performance(0).sleepMinutes == 30; }},
        {{"restore-defaults"}, [](const VirtualMouse& m) { return m.Performance(0).stage == 3; }},
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
         "stored; no mouse connected — `quillonctl apply` sends it later."},
        {"wired", true, false, "stored; not sent (--no-send) — `quillonctl apply` sends it later."},
    };
    for (const Command& command : commands) {
        for (const Situation& situation : situations) {
            test::IsolatedHome home;
            test::TempDir dir;
            const std::string state = dir.file("mouse.state");
            for (bool json : {false, true}) {
                std::vector<std::string> args = {
                    "--config", std::string(QUILLON_SOURCE_DIR) + "/data/config.xml", "--data-dir",
                    dir.file("data"),
                    std::string("--emulate=") + situation.links + ",state=" + state};
                if (situation.noSend) {
                    args.push_back("--no-send");
                }
                if (json) {
                    args.push_back("--json");
                }
                args.insert(args.end(), command.words.begin(), command.words.end());
                const std::string what = command.words[0] + " with " + situation.links +
                                         (situation.noSend ? " --no-send" : "") +
                                         (json ? " --json" : "");
                test::CliResult r = test::RunCli(args);
                ASSERT_EQ(r.status, 0) << what << ": " << r.err;
                EXPECT_TRUE(
                    Has(r.out, json ? std::string("\"sent\":") + (situation.sent ? "true" : "false")
                                    : situation.says))
                    << what << ": " << r.out;
            }
            VirtualMouse mouse;
            std::string error;
            ASSERT_TRUE(mouse.LoadState(state, error)) << error;
            EXPECT_EQ(command.received(mouse), situation.sent)
                << command.words[0] << " with " << situation.links
                << (situation.noSend ? " --no-send" : "");
        }
    }
}

}  // namespace
}  // namespace quillon
