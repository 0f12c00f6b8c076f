#include "device/DeviceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "platform/Paths.h"

namespace quillon {
namespace {

constexpr auto kRetryGap = std::chrono::milliseconds(5);

// The name the kernel keeps for this process.
std::string ProcessName() {
    std::ifstream comm("/proc/self/comm");
    std::string name;
    std::getline(comm, name);
    return name.empty() ? "unknown" : name;
}

// With QUILLON_DEVICE_LOCK_LOG naming a file, every hold and release of a device lock is
// appended to it as "PID hold|free NANOSECONDS" on the monotonic clock, which all processes
// share: a trace of who talked to the mouse when.
void Log(const char* what) {
    const char* path = std::getenv("QUILLON_DEVICE_LOCK_LOG");
    if (path == nullptr || *path == '\0') {
        return;
    }
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const std::string line = std::to_string(::getpid()) + " " + what + " " +
                             std::to_string(std::chrono::nanoseconds(now).count()) + "\n";
    [[maybe_unused]] ssize_t written = ::write(fd, line.data(), line.size());  // one append
    ::close(fd);
}

}  // namespace

DeviceLock::DeviceLock(std::string key) : key_(std::move(key)) {}

DeviceLock::~DeviceLock() {
    Release();
}

std::string DeviceLock::FileOf(const std::string& key) {
    std::string name = "quillon-device-";
    for (char c : key) {
        const bool plain =
            std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '_' || c == '-';
        name += plain ? c : '_';
    }
    return RuntimeFolder() + name + ".lock";
}

bool DeviceLock::Acquire(std::chrono::milliseconds wait) {
    if (Held()) {
        return true;
    }
    const int fd = ::open(FileOf(key_).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return false;
        }
        std::this_thread::sleep_for(kRetryGap);
    }
    const std::string holder = "process " + std::to_string(::getpid()) + " (" + ProcessName() + ")";
    std::string previous(holder.size() + 1, '\0');
    const ssize_t read = ::pread(fd, previous.data(), previous.size(), 0);
    followedAnother_ = read != static_cast<ssize_t>(holder.size()) ||
                       previous.compare(0, holder.size(), holder) != 0;
    if (::ftruncate(fd, 0) == 0) {
        // Only a courtesy for whoever waits: a failed write leaves the lock just as good.
        [[maybe_unused]] ssize_t written = ::pwrite(fd, holder.data(), holder.size(), 0);
    }
    fd_ = fd;
    Log("hold");
    return true;
}

void DeviceLock::Release() {
    if (fd_ >= 0) {
        Log("free");
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

std::string DeviceLock::Holder() const {
    std::ifstream file(FileOf(key_));
    std::string holder;
    std::getline(file, holder);
    return holder.rfind("process ", 0) == 0 ? holder : "another process";
}

}  // namespace quillon
