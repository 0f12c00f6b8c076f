#pragma once

#include <functional>
#include <mutex>
#include <optional>

#include "device/Clock.h"
#include "protocol/Notification.h"
#include "protocol/ProfileValues.h"
#include "protocol/TaskQueue.h"
#include "protocol/WorkerHost.h"

namespace quillon {

class DeviceManager;
class HidDevice;
class SettingsStore;
class TextTyper;

// Reads the mouse's unsolicited reports and brings the store and the window in line with
// them: current stage and report rate, light mode, battery; emoji buttons type their code.
// Runs on the device worker whenever its queue is empty.
class NotificationPoll {
  public:
    NotificationPoll(DeviceManager& devices, SettingsStore& store, WorkerHost& host,
                     TaskQueue& queue, TextTyper& typer);

    // Reads one report and acts on it. At most one read per kMinGapMs; returns at once when
    // called sooner. The read waits up to kReadTimeoutMs for a silent mouse, but gives up as
    // soon as `giveWay` holds. True when the report may tell of a change made on the mouse
    // itself (anything but battery, emoji and nothing at all).
    bool Poll(const std::function<bool()>& giveWay);
    // Ends the read of a poll now waiting (a task was queued, the worker stops). Any thread.
    void Interrupt();
    // Whether a poll could read anything now: a device is listed that carries reports.
    bool CanRead();

    static constexpr int kMinGapMs = 200;
    static constexpr int kReadTimeoutMs = 1000;
    // Length of one read while waiting; bounds how long the poll keeps a queued task waiting.
    static constexpr int kReadSliceMs = 5;

  private:
    // Acts on one decoded report; `held`: it was read while a command waited for its reply.
    void Handle(const Notification& note, bool held);
    // One report into `report`, a held one first; false when none came (time-out, no
    // interface, gave way).
    bool ReadReport(NotificationReport& report, const std::function<bool()>& giveWay, bool& held);
    void ShowStage(const ProfileValues& values, int stage);
    // One read that waits until a report comes, the deadline passes or Interrupt() is called.
    int ReadWoken(HidDevice& device, NotificationReport& report,
                  const std::function<bool()>& giveWay);

    DeviceManager& devices_;
    SettingsStore& store_;
    WorkerHost& host_;
    TaskQueue& queue_;
    TextTyper& typer_;
    std::optional<Clock::Duration> lastPoll_;
    std::mutex readingMutex_;
    HidDevice* reading_ = nullptr;  // the device a poll waits on, for Interrupt()
    int stageCache_ = 0;            // last stage the mouse reported, 0 before the first
};

}  // namespace quillon
