#include "protocol/DeviceWorker.h"

#include "protocol/DeviceTask.h"
#include "protocol/MouseParts.h"

namespace quillon {

DeviceWorker::DeviceWorker(TaskQueue& queue, WorkerHost& host, DeviceOperations& operations)
    : queue_(queue), host_(host), operations_(operations) {
    queue_.SetWakeHandler([this] {
        Wake();
        operations_.InterruptPoll();
    });
}

DeviceWorker::~DeviceWorker() {
    queue_.SetWakeHandler(nullptr);
    Finish();
}

// No timer resolution to raise around a step here: Linux sleeps are already precise to well
// under a millisecond.
bool DeviceWorker::Step() {
    if (queue_.Empty()) {
        // A poll writes nothing, and what it reads on its own handle takes no reply from
        // another process's handle, so it runs without the device lock: holding it through a
        // read that waits on a silent mouse would keep other processes off for a second.
        if (host_.IsPresent()) {
            operations_.PollNotifications([this] { return !queue_.Empty() || StopRequested(); });
        }
        return false;
    }
    // While another process has the mouse, the task stays queued for a later step.
    if (!operations_.LockDevice(kLockWaitMs)) {
        return false;
    }
    int id = 0;
    const bool took = queue_.TryTake(id);
    if (took) {
        RunTask(id);
    }
    operations_.UnlockDevice();
    return took;
}

bool DeviceWorker::IdleUntilWoken() {
    return !host_.IsPresent() || !operations_.CanPoll();
}

void DeviceWorker::RunTask(int id) {
    // Arrival and removal do their first part whether or not a mouse is present.
    if (id == static_cast<int>(DeviceTask::DeviceArrived)) {
        if (!Pause(kArrivalWaitMs)) {
            return;  // stopping: no device read now
        }
        host_.RefreshDevices();
        FirstRead();
        InitialLoad();
    } else if (id == static_cast<int>(DeviceTask::DeviceRemoved)) {
        host_.RefreshDevices();
        host_.LoadProfileState();
        operations_.ReadDeviceSettings();
        host_.RefreshButtonPage();
        host_.RefreshMacroList();
        host_.RefreshPerformancePage();
        operations_.ShowFirmwareVersions();
    }
    // Tasks found with nothing present are dropped, never kept for later.
    if (!host_.IsPresent()) {
        return;
    }
    switch (static_cast<DeviceTask>(id)) {
        case DeviceTask::InitialLoad:
            InitialLoad();
            break;
        case DeviceTask::SwitchProfile:
            host_.LoadProfileState();
            host_.RefreshButtonPage();
            host_.RefreshMacroList();
            host_.RefreshPerformancePage();
            Settle();
            break;
        case DeviceTask::ApplyToDevice:
            // The button tables index the new macro table: without it they must not go either.
            if (!SendParts(operations_, kAppliedParts)) {
                Settle();
                host_.PostMessage(MSG_TASK_DONE, 0, kTaskDoneMacrosRefused);
                break;
            }
            Settle();
            host_.PostMessage(MSG_TASK_DONE, 0, kTaskDoneApplied);
            break;
        case DeviceTask::ReadFromDevice:
            operations_.ReadDeviceSettings();
            host_.RefreshButtonPage();
            host_.RefreshPerformancePage();
            host_.RefreshMacroList();
            Settle();
            break;
        case DeviceTask::WriteCurrentDpi:
            operations_.WriteCurrentDpi();
            Settle();
            break;
        case DeviceTask::RestoreDefaults:
            // Sent whole, and the next apply too: the mouse's defaults came back with it.
            operations_.ForgetAcknowledged();
            SendParts(operations_, kRestoredParts);
            host_.RestorePointerDefaults();
            operations_.ResetLightMode();
            operations_.ForgetAcknowledged();
            Settle();
            host_.PostMessage(MSG_TASK_DONE, 0, kTaskDoneRestored);
            break;
        case DeviceTask::FactoryReset:
            operations_.FactoryResetProcedure();
            host_.HideMacroEditing();
            host_.RestorePointerDefaults();
            break;
        case DeviceTask::DeviceArrived:
        case DeviceTask::DeviceRemoved:
            break;
    }
}

void DeviceWorker::InitialLoad() {
    if (host_.IsLoaded()) {
        return;
    }
    FirstRead();
    host_.SetLoaded(true);
}

void DeviceWorker::FirstRead() {
    host_.LoadProfileState();
    operations_.ReadDeviceSettings();
    host_.RefreshButtonPage();
    host_.RefreshMacroList();
    host_.RefreshPerformancePage();
    operations_.ShowFirmwareVersions();
    operations_.QueryFirmwareVersion();
}

void DeviceWorker::Settle() {
    host_.CloseWaitDialog();
    Pause(kSettleMs);
}

}  // namespace quillon
