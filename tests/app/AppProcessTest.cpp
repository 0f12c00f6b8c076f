// quillon-mouse as a program: its command line and the single instance, with real processes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "platform/SingleInstance.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "ui/pages/WindowMessages.h"

namespace quillon {
namespace {

using namespace std::chrono_literals;
using test::ChildProcess;

// The program with its standard error joined to the output the test reads.
ChildProcess Start(const std::string& arguments) {
    return ChildProcess(
        {"/bin/sh", "-c", "exec \"$0\" " + arguments + " 2>&1", QUILLON_MOUSE_PROGRAM});
}

// Reads lines until one equals `wanted`.
bool SaysLine(ChildProcess& process, const std::string& wanted) {
    while (std::optional<std::string> line = process.ReadLine(10s)) {
        if (*line == wanted) {
            return true;
        }
    }
    return false;
}

TEST(AppProgram, HelpAndVersionNeedNoDisplay) {
    ChildProcess help({QUILLON_MOUSE_PROGRAM, "--help"});
    EXPECT_EQ(help.ReadLine(5s).value_or(""), "Usage: quillon-mouse [OPTIONS]");
    EXPECT_EQ(help.Wait(5s), 0);
    ChildProcess version({QUILLON_MOUSE_PROGRAM, "--version"});
    EXPECT_EQ(version.ReadLine(5s).value_or("").rfind("quillon-mouse ", 0), 0u);
    EXPECT_EQ(version.Wait(5s), 0);
}

TEST(AppProgram, ASecondStartShowsTheHiddenFirstAndEndsWithZero) {
    test::IsolatedHome home;
    setenv("QUILLON_TRACE", "1", 1);
    ChildProcess first = Start("--emulate -hide");
    ASSERT_TRUE(SaysLine(first, "quillon-mouse: answering the single-instance socket"));
    ChildProcess second = Start("");
    EXPECT_EQ(second.Wait(10s), 0);
    EXPECT_TRUE(SaysLine(first, "quillon-mouse: window shown"));

    // The quit request ends the first the normal way, also with 0.
    InstanceMessage quit;
    quit.message = MSG_QUIT_REQUEST;
    quit.lParam = kQuitRequestCode;
    ASSERT_TRUE(SingleInstance().SendToFirst(quit));
    EXPECT_EQ(first.Wait(10s), 0);
    unsetenv("QUILLON_TRACE");
}

TEST(AppProgram, AnUnusableEmulationIsAUsageError) {
    test::IsolatedHome home;
    ChildProcess bad({QUILLON_MOUSE_PROGRAM, "--emulate=joystick"});
    EXPECT_EQ(bad.Wait(10s), 64);
}

}  // namespace
}  // namespace quillon
