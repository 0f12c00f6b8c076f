#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "emulator/VirtualMouseBackend.h"
#include "support/ChildProcess.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"

namespace quillon {
namespace {

using std::chrono::seconds;

// quillonctl processes sharing one virtual mouse through its state file, as programs share a
// real one through its device node; each has a database of its own.
class MouseLockCommandsTest : public ::testing::Test {
  protected:
    std::vector<std::string> Words(const std::string& data, std::vector<std::string> words) {
        std::vector<std::string> args = {
            "--config", std::string(QUILLON_SOURCE_DIR) + "/data/config.xml", "--data-dir",
            dir.file(data), "--emulate=wired,state=" + StateFile()};
        args.insert(args.end(), words.begin(), words.end());
        return args;
    }
    std::vector<std::string> Program(const std::string& data, std::vector<std::string> words) {
        std::vector<std::string> argv = Words(data, std::move(words));
        argv.insert(argv.begin(), std::string(QUILLON_BIN_DIR) + "/quillonctl");
        return argv;
    }
    std::string StateFile() { return dir.file("mouse.state"); }
    // The key the virtual mouse's wired node locks on.
    std::string WiredKey() {
        VirtualMouse mouse;
        mouse.Connect(test::Wired());
        return VirtualMouseBackend::LockKeyOf(StateFile(), mouse.CommandPath(0));
    }

    test::IsolatedHome home;
    test::TempDir dir;
};

TEST_F(MouseLockCommandsTest, ACommandThatCannotHaveTheMouseSaysWhoHasItAndSendsNothing) {
    test::ChildProcess holder({DEVICE_LOCK_PROBE, WiredKey()});
    ASSERT_EQ(holder.ReadLine(seconds(5)), "held");
    const std::string who = "process " + std::to_string(holder.Pid()) + " (device_lock_pro";
    test::CliResult apply = test::RunCli(Words("data", {"apply"}));
    EXPECT_EQ(apply.status, 1);
    EXPECT_NE(apply.err.find(who + ") is using the mouse (waited 3 s); nothing was sent"),
              std::string::npos)
        << apply.err;
    test::CliResult rate = test::RunCli(Words("data", {"rate", "250"}));
    EXPECT_EQ(rate.status, 1);
    EXPECT_NE(rate.err.find("the change is stored; apply sends it later"), std::string::npos)
        << rate.err;
    holder.Kill();
    EXPECT_EQ(test::RunCli(Words("data", {"apply"})).status, 0);
}

struct Turn {
    std::string pid;
    bool hold;
    long long at;
};

std::vector<Turn> ReadLockLog(const std::string& path) {
    std::ifstream log(path);
    std::vector<Turn> turns;
    std::string pid;
    std::string what;
    long long at = 0;
    while (log >> pid >> what >> at) {
        turns.push_back({pid, what == "hold", at});
    }
    return turns;
}

// A long watch and repeated applies on one mouse: each holds the mouse for its own commands
// only, never two at once; the watch, which only listens between its tasks, keeps running.
TEST_F(MouseLockCommandsTest, AWatchAndRepeatedAppliesNeverTransferAtTheSameTime) {
    const std::string logPath = dir.file("lock.log");
    setenv("QUILLON_DEVICE_LOCK_LOG", logPath.c_str(), 1);
    test::ChildProcess watch(Program("watcher", {"watch"}));
    ASSERT_TRUE(watch.ReadLine(seconds(10)).has_value()) << "the watch started";
    const std::string watcher = std::to_string(watch.Pid());
    for (int i = 0; i < 3; ++i) {
        test::ChildProcess apply(Program("applier", {"apply"}));
        EXPECT_EQ(apply.Wait(seconds(20)), 0) << "apply " << i;
    }
    EXPECT_EQ(watch.Wait(std::chrono::milliseconds(0)), std::nullopt) << "the watch goes on";
    watch.Kill();
    unsetenv("QUILLON_DEVICE_LOCK_LOG");

    const std::vector<Turn> turns = ReadLockLog(logPath);
    std::map<std::string, int> holds;
    std::string holder;
    long long last = 0;
    for (const Turn& turn : turns) {
        EXPECT_GE(turn.at, last) << "the log is in time order";
        last = turn.at;
        if (turn.hold) {
            EXPECT_EQ(holder, "") << turn.pid << " took the mouse while " << holder << " had it";
            holder = turn.pid;
            ++holds[turn.pid];
        } else {
            EXPECT_EQ(holder, turn.pid);
            holder.clear();
        }
    }
    EXPECT_EQ(holds.size(), 4u) << "the watch and three applies";
    EXPECT_GE(holds[watcher], 1) << "the watch's first read";
}

}  // namespace
}  // namespace quillon
