#pragma once

#include <optional>
#include <string_view>
#include <thread>

#include "device/HidBackend.h"

struct udev;
struct udev_monitor;

namespace quillon {

// Follows hidraw nodes being added and removed through libudev, on a thread of its own. Uses
// udevd's events when udevd runs and the kernel's otherwise (containers usually have no udevd).
class DeviceWatcher : public DeviceChangeSource {
  public:
    DeviceWatcher() = default;
    ~DeviceWatcher() override;
    DeviceWatcher(const DeviceWatcher&) = delete;
    DeviceWatcher& operator=(const DeviceWatcher&) = delete;

    // False when no monitor could be set up; the first such failure in the process is told
    // once on stderr.
    bool Start(Callback callback) override;
    void Stop() override;

    // The event of a udev action ("add", "remove"); nothing for the others ("change", "bind"…).
    static std::optional<DeviceChangeEvent> EventOfAction(std::string_view action);

  private:
    void Run();
    void Release();

    Callback callback_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    int stopFd_ = -1;
    std::thread thread_;
};

}  // namespace quillon
