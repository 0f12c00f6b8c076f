// quillon-mouse as a program: its command line and the single instance, with real processes.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

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

    // Garbage on the socket is ignored: the window still answers show.
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = SingleInstance().socketPath();
        ASSERT_LT(path.size(), sizeof(address.sun_path));
        path.copy(address.sun_path, path.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        const std::string garbage = "1691 0 0610\n\xff\xfe\x00 1705 x\nshow me\n";
        EXPECT_EQ(::write(fd, garbage.data(), garbage.size()),
                  static_cast<ssize_t>(garbage.size()));
        ::close(fd);
    }
    ChildProcess show({QUILLONCTL, "show"});
    EXPECT_EQ(show.Wait(10s), 0);
    EXPECT_FALSE(first.Wait(500ms)) << "still running";

    // quillonctl quit ends the first the normal way, also with 0; then nothing runs.
    ChildProcess quit({QUILLONCTL, "quit"});
    EXPECT_EQ(quit.Wait(10s), 0);
    EXPECT_EQ(first.Wait(30s), 0);  // a sanitizer build ends slowly
    ChildProcess again({QUILLONCTL, "quit"});
    EXPECT_EQ(again.Wait(10s), 2) << "not running";
    unsetenv("QUILLON_TRACE");
}

TEST(AppProgram, AnUnusableEmulationIsAUsageError) {
    test::IsolatedHome home;
    ChildProcess bad({QUILLON_MOUSE_PROGRAM, "--emulate=joystick"});
    EXPECT_EQ(bad.Wait(10s), 64);
}

}  // namespace
}  // namespace quillon
