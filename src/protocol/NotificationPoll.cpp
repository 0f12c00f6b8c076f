#include "protocol/NotificationPoll.h"

#include <algorithm>
#include <chrono>

#include "device/DeviceManager.h"
#include "input/TextTyper.h"
#include "protocol/DeviceTask.h"
#include "protocol/ProfileValues.h"

namespace quillon {

using std::chrono::milliseconds;

NotificationPoll::NotificationPoll(DeviceManager& devices, SettingsStore& store, WorkerHost& host,
                                   TaskQueue& queue, TextTyper& typer)
    : devices_(devices), store_(store), host_(host), queue_(queue), typer_(typer) {}

bool NotificationPoll::Poll(const std::function<bool()>& giveWay) {
    Clock::Duration now = devices_.GetClock().Now();
    if (lastPoll_ && now - *lastPoll_ < milliseconds(kMinGapMs)) {
        return false;
    }
    lastPoll_ = now;
    NotificationReport report{};
    bool held = false;
    if (!ReadReport(report, giveWay, held)) {
        return false;
    }
    const Notification note = DecodeNotification(report);
    Handle(note, held);
    return note.kind != Notification::Kind::None && note.kind != Notification::Kind::Battery &&
           note.kind != Notification::Kind::Emoji;
}

bool NotificationPoll::ReadReport(NotificationReport& report, const std::function<bool()>& giveWay,
                                  bool& held) {
    if (!devices_.IsReady()) {
        return false;
    }
    HidDevice* device = devices_.ActiveInterface();
    if (device == nullptr) {
        return false;
    }
    if (std::vector<std::uint8_t> bytes; devices_.TakeHeldNotification(bytes)) {
        std::copy_n(bytes.begin(), std::min(bytes.size(), report.size()), report.begin());
        held = true;
        return true;
    }
    if (device->Interruptible()) {
        return ReadWoken(*device, report, giveWay) > 0;
    }
    // One long read would hold the worker for a second while the mouse is silent; short reads
    // with a look at the worker between them let a queued task (or Stop) in at once.
    Clock& clock = devices_.GetClock();
    Clock::Duration deadline = clock.Now() + milliseconds(kReadTimeoutMs);
    for (;;) {
        auto left = std::chrono::ceil<milliseconds>(deadline - clock.Now()).count();
        if (left <= 0) {
            return false;
        }
        int slice = static_cast<int>(std::min<long long>(left, kReadSliceMs));
        int read = device->Read(report.data(), report.size(), slice);
        if (read != 0) {
            return read > 0;
        }
        if (giveWay && giveWay()) {
            return false;
        }
    }
}

// The whole second in one wait that a queued task or Stop cuts short: an idle worker then wakes
// once a second instead of every slice.
int NotificationPoll::ReadWoken(HidDevice& device, NotificationReport& report,
                                const std::function<bool()>& giveWay) {
    {
        std::lock_guard lock(readingMutex_);
        reading_ = &device;
    }
    Clock& clock = devices_.GetClock();
    Clock::Duration deadline = clock.Now() + milliseconds(kReadTimeoutMs);
    int read = 0;
    // Give way is asked after the device is registered: an Interrupt() from then on ends the
    // read, even one that comes before the read has begun to wait.
    while (!(giveWay && giveWay())) {
        auto left = std::chrono::ceil<milliseconds>(deadline - clock.Now()).count();
        if (left <= 0) {
            break;
        }
        read = device.Read(report.data(), report.size(), static_cast<int>(left));
        if (read != 0) {
            break;
        }
    }
    std::lock_guard lock(readingMutex_);
    reading_ = nullptr;
    return read;
}

void NotificationPoll::Interrupt() {
    std::lock_guard lock(readingMutex_);
    if (reading_ != nullptr) {
        reading_->InterruptRead();
    }
}

bool NotificationPoll::CanRead() {
    return devices_.IsReady() && devices_.ActiveInterface() != nullptr;
}

void NotificationPoll::Handle(const Notification& note, bool held) {
    ProfileValues values(store_, host_.ActiveProfile());
    switch (note.kind) {
        case Notification::Kind::None:
        case Notification::Kind::Other:
            break;
        case Notification::Kind::WriteCurrentDpi:
            queue_.Enqueue(DeviceTask::WriteCurrentDpi);
            break;
        case Notification::Kind::Emoji:
            TypeEmoji(typer_, note.value);
            break;
        case Notification::Kind::Battery:
            host_.SetBattery(note.value, note.second);
            break;
        case Notification::Kind::Stage:
            if (held) {
                // Pressed while a task ran: the stage is the user's latest choice, but the task
                // may have sent another one since, and the rate the report carries may be older
                // than the one the task sent. The stage is stored and sent again; the rate
                // stays as the task left it.
                stageCache_ = note.value;
                ShowStage(values, note.value);
                queue_.Enqueue(DeviceTask::WriteCurrentDpi);
                break;
            }
            if (note.value != stageCache_) {
                stageCache_ = note.value;
                ShowStage(values, note.value);
            }
            // The rate travels with every stage report, changed or not.
            values.Set("report_rate", note.second);
            host_.ShowReportRate(note.second);
            break;
        case Notification::Kind::LightMode:
            values.Set("light_mode", note.value);
            host_.SetLightMode(note.value);
            break;
    }
}

void NotificationPoll::ShowStage(const ProfileValues& values, int stage) {
    values.Set("dpi_index", stage - 1);
    int dpi = values.Get(ProfileValues::DpiValueKey(stage - 1));
    host_.ShowCurrentStage(stage, dpi);
    std::uint32_t lParam =
        (static_cast<std::uint32_t>(dpi) & 0xFFFF) << 16 | static_cast<std::uint32_t>(stage);
    host_.PostMessage(MSG_DPI_CHANGED, 0, static_cast<std::intptr_t>(lParam));
}

}  // namespace quillon
