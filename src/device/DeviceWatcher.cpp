#include "device/DeviceWatcher.h"

#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <iostream>
#include <mutex>

namespace quillon {
namespace {

void TellOnceNoHotPlug(const char* reason) {
    static std::once_flag told;
    std::call_once(told, [reason] {
        std::cerr << "quillon: cannot follow devices being plugged in and out (" << reason
                  << "); carrying on without hot-plug\n";
    });
}

}  // namespace

DeviceWatcher::~DeviceWatcher() {
    Stop();
}

std::optional<DeviceChangeEvent> DeviceWatcher::EventOfAction(std::string_view action) {
    if (action == "add") {
        return DeviceChangeEvent::Arrival;
    }
    if (action == "remove") {
        return DeviceChangeEvent::Removal;
    }
    return std::nullopt;
}

bool DeviceWatcher::Start(Callback callback) {
    if (thread_.joinable()) {
        return true;
    }
    udev_ = udev_new();
    if (udev_ == nullptr) {
        TellOnceNoHotPlug("libudev is not usable");
        return false;
    }
    // udevd's events carry the finished node with its permissions; without udevd only the
    // kernel's own events exist.
    const char* source = ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    monitor_ = udev_monitor_new_from_netlink(udev_, source);
    if (monitor_ == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        Release();
        TellOnceNoHotPlug("no device event source");
        return false;
    }
    stopFd_ = ::eventfd(0, EFD_CLOEXEC);
    if (stopFd_ < 0) {
        Release();
        TellOnceNoHotPlug("no event descriptor");
        return false;
    }
    callback_ = std::move(callback);
    thread_ = std::thread(&DeviceWatcher::Run, this);
    return true;
}

void DeviceWatcher::Stop() {
    if (thread_.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t written = ::write(stopFd_, &one, sizeof one);
        thread_.join();
    }
    Release();
}

void DeviceWatcher::Release() {
    if (stopFd_ >= 0) {
        ::close(stopFd_);
        stopFd_ = -1;
    }
    if (monitor_ != nullptr) {
        udev_monitor_unref(monitor_);
        monitor_ = nullptr;
    }
    if (udev_ != nullptr) {
        udev_unref(udev_);
        udev_ = nullptr;
    }
}

void DeviceWatcher::Run() {
    pollfd fds[2] = {{udev_monitor_get_fd(monitor_), POLLIN, 0}, {stopFd_, POLLIN, 0}};
    for (;;) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            continue;
        }
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (device == nullptr) {
            continue;
        }
        const char* action = udev_device_get_action(device);
        const char* node = udev_device_get_devnode(device);
        std::optional<DeviceChangeEvent> event = EventOfAction(action != nullptr ? action : "");
        if (event && node != nullptr) {
            callback_(*event, node);
        }
        udev_device_unref(device);
    }
}

}  // namespace quillon
