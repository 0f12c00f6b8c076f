// quillonctl show and quit against a real window process: the single-instance probe, which
// listens on the socket as the window does and ends with 0 when asked to quit.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using namespace std::chrono_literals;

class InstanceCommandsTest : public ::testing::Test {
  protected:
    std::string Runtime() const { return home_.root().file("runtime/"); }

    test::ChildProcess StartWindow() {
        return test::ChildProcess({SINGLE_INSTANCE_PROBE, Runtime(), "window"});
    }

    // Runs quillonctl as its own process; its status and every line it printed on either stream.
    std::pair<std::optional<int>, std::vector<std::string>> Quillonctl(const std::string& command) {
        test::ChildProcess run({QUILLONCTL, command}, test::ChildProcess::Output::StdoutAndStderr);
        std::vector<std::string> lines;
        while (std::optional<std::string> line = run.ReadLine(10s)) {
            lines.push_back(*line);
        }
        return {run.Wait(10s), lines};
    }

    test::IsolatedHome home_;
};

TEST_F(InstanceCommandsTest, ShowAndQuitReachTheRunningWindowAndQuitEndsItWithZero) {
    test::ChildProcess window = StartWindow();
    ASSERT_EQ(window.ReadLine(10s), "ready");

    auto [showStatus, showOutput] = Quillonctl("show");
    EXPECT_EQ(showStatus, 0);
    EXPECT_TRUE(showOutput.empty());
    EXPECT_EQ(window.ReadLine(10s), "received show");

    auto [quitStatus, quitOutput] = Quillonctl("quit");
    EXPECT_EQ(quitStatus, 0);
    EXPECT_TRUE(quitOutput.empty());
    EXPECT_EQ(window.ReadLine(10s), "received 1691 0 610");
    EXPECT_EQ(window.Wait(10s), 0);

    auto [helpStatus, help] = Quillonctl("--help");
    EXPECT_EQ(helpStatus, 0);
    for (const std::string command : {"show", "quit"}) {
        EXPECT_TRUE(std::any_of(
            help.begin(), help.end(),
            [&](const std::string& line) { return line.rfind("  " + command + " ", 0) == 0; }))
            << command << " is listed by --help";
    }
}

TEST_F(InstanceCommandsTest, WithoutAWindowBothCommandsSayNotRunningInOneLineAndExitTwo) {
    const std::vector<std::string> notRunning = {
        "quillonctl: not running: no Quillon Mouse window is open"};
    auto expectNotRunning = [&](const std::string& situation) {
        for (const std::string command : {"show", "quit"}) {
            auto [status, output] = Quillonctl(command);
            EXPECT_EQ(status, 2) << command << ", " << situation;
            EXPECT_EQ(output, notRunning) << command << ", " << situation;
        }
    };
    expectNotRunning("nothing ever ran");
    {
        test::ChildProcess crashed = StartWindow();
        ASSERT_EQ(crashed.ReadLine(10s), "ready");
        crashed.Kill();
    }
    ASSERT_TRUE(std::filesystem::exists(Runtime() + "quillon-mouse.socket"));
    expectNotRunning("a window was killed and left its socket");
    std::filesystem::remove_all(Runtime());
    expectNotRunning("no runtime folder");
}

}  // namespace
}  // namespace quillon
