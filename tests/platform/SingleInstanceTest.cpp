#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/FileDescriptor.h"
#include "platform/SingleInstance.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using namespace std::chrono_literals;
using Role = SingleInstance::Role;

// Collects what the listener hands over, as the lines that encode it, for the test to wait on.
class Inbox {
  public:
    SingleInstance::Handler handler() {
        return [this](const InstanceMessage& message) {
            std::lock_guard lock(mutex_);
            messages_.push_back(EncodeInstanceMessage(message));
            changed_.notify_all();
        };
    }
    std::vector<std::string> WaitFor(size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 10s, [&] { return messages_.size() >= count; });
        return messages_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> messages_;
};

// A raw peer of the socket, for what SendToFirst() never sends.
FileDescriptor ConnectRaw(const std::string& path) {
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(::connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    return fd;
}

void SendRaw(const FileDescriptor& fd, const std::string& bytes) {
    ASSERT_EQ(::send(fd.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
}

const InstanceMessage kShow{0, 0, 0, true};

TEST(SingleInstance, SecondCopySendsAndTheFirstHearsValidMessagesInOrder) {
    test::TempDir dir;
    Inbox inbox;
    {
        SingleInstance first(dir.path());
        ASSERT_EQ(first.TryAcquire(), Role::First);
        SingleInstance second(dir.path());
        ASSERT_EQ(second.TryAcquire(), Role::Second);

        // Sent before the first copy listens: waits in the socket's queue.
        ASSERT_TRUE(second.SendToFirst(kShow));
        ASSERT_TRUE(first.StartListening(inbox.handler()));
        {
            FileDescriptor peer = ConnectRaw(first.socketPath());
            SendRaw(peer, "bogus\n" + std::string(200, '7') + "\n1691 1 2\n1579 0 0\n");
        }
        {
            // A flood is cut off after a few messages' worth; nothing of it is taken.
            FileDescriptor peer = ConnectRaw(first.socketPath());
            const std::string flood(100000, '1');
            ::send(peer.get(), flood.data(), flood.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        }
        {
            FileDescriptor peer = ConnectRaw(first.socketPath());
            SendRaw(peer, "1705 12 -34");  // last line without a line break
        }
        EXPECT_FALSE(second.SendToFirst({1579, 0, 0, false})) << "not a message for others";
        ASSERT_TRUE(second.SendToFirst({MSG_APPLY_TEXTS, 0, 0, false}));

        const std::vector<std::string> expected = {"show", "1691 1 2", "1705 12 -34", "2022 0 0"};
        EXPECT_EQ(inbox.WaitFor(expected.size()), expected);

        struct stat info {};
        ASSERT_EQ(::lstat(first.socketPath().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("quillon-mouse.socket")));
    SingleInstance next(dir.path());
    EXPECT_EQ(next.TryAcquire(), Role::First) << "the lock is free once the first copy is gone";
}

TEST(SingleInstance, ASilentPeerNeitherBlocksOthersNorStop) {
    test::TempDir dir;
    Inbox inbox;
    SingleInstance first(dir.path());
    ASSERT_EQ(first.TryAcquire(), Role::First);
    ASSERT_TRUE(first.StartListening(inbox.handler()));
    FileDescriptor silent = ConnectRaw(first.socketPath());
    SingleInstance second(dir.path());
    ASSERT_TRUE(second.SendToFirst(kShow));
    EXPECT_EQ(inbox.WaitFor(1), std::vector<std::string>{"show"});

    FileDescriptor silentAgain = ConnectRaw(first.socketPath());
    std::this_thread::sleep_for(100ms);  // let the listener start waiting on it
    const auto before = std::chrono::steady_clock::now();
    first.Stop();
    // Well under the second a silent peer is given: Stop does not wait for it.
    EXPECT_LT(std::chrono::steady_clock::now() - before, 800ms);
    EXPECT_FALSE(std::filesystem::exists(first.socketPath()));
}

TEST(SingleInstance, UnsafeFolderOrForeignFilesAreNotUsed) {
    test::TempDir dir;
    const std::string shared = dir.file("shared/");
    std::filesystem::create_directory(shared);
    ::chmod(shared.c_str(), 0777);
    EXPECT_EQ(SingleInstance(shared).TryAcquire(), Role::Unguarded);
    EXPECT_FALSE(SingleInstance(shared).SendToFirst(kShow));
    EXPECT_EQ(SingleInstance(dir.file("missing/")).TryAcquire(), Role::Unguarded);
    EXPECT_EQ(SingleInstance(dir.path() + std::string(120, 'x')).TryAcquire(), Role::Unguarded)
        << "a socket path too long for the address";

    // Something that is not a socket where the socket belongs is left alone.
    dir.write("quillon-mouse.socket", "precious");
    EXPECT_EQ(SingleInstance(dir.path()).TryAcquire(), Role::Unguarded);
    EXPECT_FALSE(SingleInstance(dir.path()).SendToFirst(kShow));
    EXPECT_EQ(dir.read("quillon-mouse.socket"), "precious");

    // A lock file planted as a link is not followed.
    test::TempDir other;
    other.write("target", "");
    std::filesystem::create_symlink(other.file("target"), other.file("quillon-mouse.lock"));
    EXPECT_EQ(SingleInstance(other.path()).TryAcquire(), Role::Unguarded);
}

TEST(SingleInstance, SocketOfAnotherUserIsNeitherRemovedNorUsed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to make a file of another user";
    }
    test::TempDir dir;
    {
        SingleInstance crashed(dir.path());
        ASSERT_EQ(crashed.TryAcquire(), Role::First);
        ASSERT_EQ(::link(crashed.socketPath().c_str(), dir.file("kept").c_str()), 0);
    }
    ASSERT_EQ(::rename(dir.file("kept").c_str(), dir.file("quillon-mouse.socket").c_str()), 0);
    ASSERT_EQ(::lchown(dir.file("quillon-mouse.socket").c_str(), 65534, 65534), 0);
    EXPECT_EQ(SingleInstance(dir.path()).TryAcquire(), Role::Unguarded);
    EXPECT_FALSE(SingleInstance(dir.path()).SendToFirst(kShow));
    EXPECT_TRUE(std::filesystem::exists(dir.file("quillon-mouse.socket")));
}

TEST(SingleInstance, APeerOfAnotherUserIsNotHeardEvenWhenTheFilesLetItIn) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to connect as another user";
    }
    test::TempDir dir;
    Inbox inbox;
    SingleInstance first(dir.path());
    ASSERT_EQ(first.TryAcquire(), Role::First);
    ASSERT_TRUE(first.StartListening(inbox.handler()));
    // Folder and socket opened up by mistake: only the peer's credentials still keep it out.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0711), 0);
    ASSERT_EQ(::chmod(first.socketPath().c_str(), 0666), 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, first.socketPath().c_str(), sizeof address.sun_path - 1);
    pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls between fork and _exit.
        const char line[] = "show\n2022 0 0\n";
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(1);
        }
        int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::_exit(2);
        }
        // The listener may hang up before the lines go out; what counts is that none is heard.
        ::send(fd, line, sizeof line - 1, MSG_NOSIGNAL);
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the other user's peer could not even connect (step " << WEXITSTATUS(status) << ")";
    // Peers are served in turn, so the other user's lines would have come first.
    ASSERT_TRUE(SingleInstance(dir.path()).SendToFirst({MSG_PROFILE_FILE, 1, 0, false}));
    EXPECT_EQ(inbox.WaitFor(1), std::vector<std::string>{"1705 1 0"});
}

// Two real processes of the probe program.
class SingleInstanceProcesses : public ::testing::Test {
  protected:
    test::ChildProcess Start(const std::string& role, const std::string& line = "") {
        std::vector<std::string> argv = {SINGLE_INSTANCE_PROBE, dir_.path(), role};
        if (!line.empty()) {
            argv.push_back(line);
        }
        return test::ChildProcess(argv);
    }

    test::TempDir dir_;
};

TEST_F(SingleInstanceProcesses, SecondProcessHandsItsMessageToTheFirstAndEndsWithZero) {
    for (const std::string line : {"show", "1705 42 -7", "1691 0 0"}) {
        test::ChildProcess first = Start("first");
        ASSERT_EQ(first.ReadLine(10s), "ready");
        test::ChildProcess second = Start("second", line);
        EXPECT_EQ(second.Wait(10s), 0) << line;
        EXPECT_EQ(first.ReadLine(10s), "received " + line);
        EXPECT_EQ(first.Wait(10s), 0);
    }
}

TEST_F(SingleInstanceProcesses, CopyStartedAfterACrashTakesOverTheStaleSocket) {
    {
        test::ChildProcess crashing = Start("first");
        ASSERT_EQ(crashing.ReadLine(10s), "ready");
        crashing.Kill();
    }
    ASSERT_TRUE(std::filesystem::exists(dir_.file("quillon-mouse.socket")))
        << "a killed copy leaves its socket file behind";

    test::ChildProcess first = Start("first");
    ASSERT_EQ(first.ReadLine(10s), "ready");
    test::ChildProcess second = Start("second", "show");
    EXPECT_EQ(second.Wait(10s), 0);
    EXPECT_EQ(first.ReadLine(10s), "received show");
    EXPECT_EQ(first.Wait(10s), 0);
}

TEST_F(SingleInstanceProcesses, TheWindowIgnoresWhatIsMalformedAndEndsWithZeroOnlyWhenAskedToQuit) {
    test::ChildProcess window = Start("window");
    ASSERT_EQ(window.ReadLine(10s), "ready");
    SingleInstance sender(dir_.path());
    {
        // Garbage of every kind, one peer after the other: binary bytes, an oversized line, a
        // line cut off by the peer's end, a number out of range, a message not for others.
        const std::string peers[] = {
            std::string("\0\xff\xfe\x01\n\n\r\n", 8),
            std::string(5000, 'x') + "\n",
            "1705 1",
            "1705 99999999999999999999 0\n2022 0\n1579 1 0\n",
        };
        for (const std::string& bytes : peers) {
            FileDescriptor peer = ConnectRaw(sender.socketPath());
            ::send(peer.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        }
    }
    {
        // A slow peer within its second is heard, byte by byte.
        FileDescriptor peer = ConnectRaw(sender.socketPath());
        for (char c : std::string("2022 0 0\n")) {
            SendRaw(peer, std::string(1, c));
            std::this_thread::sleep_for(30ms);
        }
    }
    {
        // One slower than its second is given up before its line ends.
        FileDescriptor peer = ConnectRaw(sender.socketPath());
        SendRaw(peer, "1705 7 7");
        std::this_thread::sleep_for(1300ms);
        ::send(peer.get(), "\n", 1, MSG_NOSIGNAL);
    }
    ASSERT_TRUE(sender.SendToFirst({MSG_PROFILE_FILE, 2, 3, false}));
    ASSERT_TRUE(sender.SendToFirst({MSG_QUIT_REQUEST, 0, kQuitRequestLParam + 1, false}));
    ASSERT_TRUE(sender.SendToFirst(kShow));
    for (const std::string expected : {"2022 0 0", "1705 2 3", "1691 0 611", "show"}) {
        EXPECT_EQ(window.ReadLine(10s), "received " + expected);
    }
    EXPECT_EQ(window.Wait(100ms), std::nullopt) << "still running";

    ASSERT_TRUE(sender.SendToFirst({MSG_QUIT_REQUEST, 0, kQuitRequestLParam, false}));
    EXPECT_EQ(window.ReadLine(10s), "received 1691 0 610");
    EXPECT_EQ(window.Wait(10s), 0);
}

}  // namespace
}  // namespace quillon
