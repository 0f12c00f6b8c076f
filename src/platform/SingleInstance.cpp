#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace quillon {
namespace {

using Clock = std::chrono::steady_clock;

// How long one peer may take to send its lines before the next one is served.
constexpr auto kPeerPatience = std::chrono::seconds(1);
// How long a second copy waits for a first copy that holds the lock but does not listen yet.
constexpr auto kConnectPatience = std::chrono::seconds(2);
constexpr auto kConnectRetryPause = std::chrono::milliseconds(20);
// A peer gets a few messages' worth of bytes, not an unbounded stream.
constexpr size_t kMaxPeerBytes = 4096;
constexpr int kListenBacklog = 16;

// "Quillon Mouse" -> "quillon-mouse".
std::string FileStem() {
    std::string stem;
    for (const char* c = kProductName; *c != '\0'; ++c) {
        stem.push_back(*c == ' ' ? '-'
                                 : static_cast<char>(std::tolower(static_cast<unsigned char>(*c))));
    }
    return stem;
}

// Only a folder of ours that no one else may write keeps others from planting or replacing
// the lock and the socket.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool MakeAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

enum class SocketFile { Missing, Ours, Foreign };

SocketFile InspectSocketFile(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? SocketFile::Missing : SocketFile::Foreign;
    }
    return S_ISSOCK(info.st_mode) && info.st_uid == ::geteuid() ? SocketFile::Ours
                                                                : SocketFile::Foreign;
}

bool PeerIsUs(int socket) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == ::geteuid();
}

int MillisecondsUntil(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool SendAll(int socket, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t count = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        sent += static_cast<size_t>(count);
    }
    return true;
}

}  // namespace

SingleInstance::SingleInstance(std::string folder)
    : folder_(WithTrailingSlash(std::move(folder))),
      lockPath_(folder_ + FileStem() + ".lock"),
      socketPath_(folder_ + FileStem() + ".socket") {}

SingleInstance::~SingleInstance() {
    Stop();
    Release();
}

SingleInstance::Role SingleInstance::TryAcquire() {
    if (acquired_) {
        return role_;
    }
    acquired_ = true;
    role_ = Role::Unguarded;
    sockaddr_un address{};
    if (!IsPrivateFolder(folder_) || !MakeAddress(socketPath_, address)) {
        return role_;
    }
    lock_.Reset(::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    struct stat info {};
    if (!lock_.valid() || ::fstat(lock_.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid()) {
        Release();
        return role_;
    }
    int locked;
    do {
        locked = ::flock(lock_.get(), LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        bool taken = errno == EWOULDBLOCK;
        Release();
        role_ = taken ? Role::Second : Role::Unguarded;
        return role_;
    }
    // The lock was free, so a socket file still there was left by a copy that ended abruptly.
    SocketFile existing = InspectSocketFile(socketPath_);
    if (existing == SocketFile::Foreign ||
        (existing == SocketFile::Ours && ::unlink(socketPath_.c_str()) != 0)) {
        Release();
        return role_;
    }
    listener_.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!listener_.valid() ||
        ::bind(listener_.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        listener_.Reset();  // whatever holds the path now is not ours to remove
        Release();
        return role_;
    }
    if (::chmod(socketPath_.c_str(), 0600) != 0 || ::listen(listener_.get(), kListenBacklog) != 0) {
        Release();
        return role_;
    }
    role_ = Role::First;
    return role_;
}

void SingleInstance::Release() {
    if (listener_.valid()) {
        listener_.Reset();
        ::unlink(socketPath_.c_str());
    }
    // The lock goes last, so a copy starting now never finds our socket file still there.
    lock_.Reset();
}

bool SingleInstance::StartListening(Handler handler) {
    if (role_ != Role::First || !listener_.valid() || thread_.joinable()) {
        return false;
    }
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return false;
    }
    wakeRead_.Reset(pipeEnds[0]);
    wakeWrite_.Reset(pipeEnds[1]);
    thread_ = std::thread([this, handler = std::move(handler)] { Listen(handler); });
    return true;
}

void SingleInstance::Stop() {
    if (thread_.joinable()) {
        char wake = 1;
        while (::write(wakeWrite_.get(), &wake, 1) < 0 && errno == EINTR) {
        }
        thread_.join();
    }
    wakeRead_.Reset();
    wakeWrite_.Reset();
    if (listener_.valid()) {
        listener_.Reset();
        ::unlink(socketPath_.c_str());
    }
}

void SingleInstance::Listen(const Handler& handler) {
    for (;;) {
        pollfd watched[2] = {{wakeRead_.get(), POLLIN, 0}, {listener_.get(), POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (watched[0].revents != 0) {
            return;
        }
        if (watched[1].revents == 0) {
            continue;
        }
        FileDescriptor peer(
            ::accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!peer.valid() && errno != EAGAIN && errno != EINTR && errno != ECONNABORTED) {
            // Out of descriptors or memory: pause instead of spinning on the waiting peer.
            pollfd wake{wakeRead_.get(), POLLIN, 0};
            ::poll(&wake, 1, 100);
            continue;
        }
        if (peer.valid() && PeerIsUs(peer.get()) && !ServePeer(peer.get(), handler)) {
            return;
        }
    }
}

// Hands over each complete line from the peer until it closes, sends too much or takes too
// long. False when Stop() interrupted it.
bool SingleInstance::ServePeer(int peer, const Handler& handler) {
    const Clock::time_point deadline = Clock::now() + kPeerPatience;
    std::string line;
    bool overlong = false;
    size_t received = 0;
    auto finishLine = [&] {
        if (!overlong) {
            if (std::optional<InstanceMessage> message = DecodeInstanceMessage(line)) {
                handler(*message);
            }
        }
        line.clear();
        overlong = false;
    };
    for (;;) {
        int wait = MillisecondsUntil(deadline);
        if (wait == 0) {
            return true;
        }
        pollfd watched[2] = {{wakeRead_.get(), POLLIN, 0}, {peer, POLLIN, 0}};
        int ready = ::poll(watched, 2, wait);
        if (ready < 0 && errno != EINTR) {
            return true;
        }
        if (watched[0].revents != 0) {
            return false;
        }
        if (ready <= 0 || watched[1].revents == 0) {
            continue;
        }
        char buffer[512];
        ssize_t count = ::read(peer, buffer, sizeof buffer);
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (count <= 0) {
            // A last line without its line break still counts when the peer closes cleanly.
            if (count == 0 && !line.empty()) {
                finishLine();
            }
            return true;
        }
        for (ssize_t i = 0; i < count; ++i) {
            if (buffer[i] == '\n') {
                finishLine();
            } else if (!overlong) {
                line.push_back(buffer[i]);
                if (line.size() > kMaxInstanceMessageLength + 1) {
                    overlong = true;
                    line.clear();
                }
            }
        }
        received += static_cast<size_t>(count);
        if (received > kMaxPeerBytes) {
            return true;
        }
    }
}

bool SingleInstance::SendToFirst(const InstanceMessage& message) const {
    return Deliver(message, kConnectPatience) == Delivery::Sent;
}

SingleInstance::Delivery SingleInstance::Deliver(const InstanceMessage& message,
                                                 std::chrono::milliseconds patience) const {
    std::string line = EncodeInstanceMessage(message);
    sockaddr_un address{};
    if (line.empty() || !MakeAddress(socketPath_, address)) {
        return Delivery::Failed;
    }
    struct stat folder {};
    if (::stat(folder_.c_str(), &folder) != 0 && errno == ENOENT) {
        return Delivery::NotRunning;  // no copy ever made its files there
    }
    if (!IsPrivateFolder(folder_)) {
        return Delivery::Failed;
    }
    line.push_back('\n');
    const Clock::time_point deadline = Clock::now() + patience;
    // A copy whose queue stays full is running, only not reachable.
    Delivery unanswered = Delivery::NotRunning;
    for (;;) {
        SocketFile existing = InspectSocketFile(socketPath_);
        if (existing == SocketFile::Foreign) {
            return Delivery::Failed;
        }
        if (existing == SocketFile::Ours) {
            FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
            if (!socket.valid()) {
                return Delivery::Failed;
            }
            // Bounds both a connect to a full backlog and the send.
            timeval sendPatience{1, 0};
            ::setsockopt(socket.get(), SOL_SOCKET, SO_SNDTIMEO, &sendPatience, sizeof sendPatience);
            if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address),
                          sizeof address) == 0) {
                return PeerIsUs(socket.get()) && SendAll(socket.get(), line) ? Delivery::Sent
                                                                             : Delivery::Failed;
            }
            if (errno != ECONNREFUSED && errno != ENOENT && errno != EAGAIN && errno != EINTR) {
                return Delivery::Failed;
            }
            unanswered = errno == EAGAIN ? Delivery::Failed : Delivery::NotRunning;
        }
        if (Clock::now() + kConnectRetryPause > deadline) {
            return unanswered;
        }
        std::this_thread::sleep_for(kConnectRetryPause);
    }
}

}  // namespace quillon
