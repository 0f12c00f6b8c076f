#pragma once

#include <functional>

namespace quillon {

// The device commands the worker's tasks run, one per operation of the command set. All run on
// the worker thread; failures are handled inside (silent writes, reads that store nothing).
class DeviceOperations {
  public:
    virtual ~DeviceOperations() = default;

    // Battery, the six button tables and the performance block into the database. Always true.
    virtual bool ReadDeviceSettings() = 0;
    virtual void ReadBattery() = 0;
    virtual void WritePerformanceBlock() = 0;
    virtual void WriteCurrentDpi() = 0;
    virtual void WriteReportRate() = 0;
    virtual void WriteLightMode() = 0;
    // Stores light mode 0 for the active profile and sends it.
    virtual void ResetLightMode() = 0;
    virtual void WriteButtons() = 0;
    // False, with nothing sent, when the stored macros do not fit the mouse.
    virtual bool WriteMacros() = 0;
    // Firmware version text from the version feature report.
    virtual void ShowFirmwareVersions() = 0;
    // Firmware version text from command 0x03 (kept when the mouse does not answer).
    virtual void QueryFirmwareVersion() = 0;
    virtual void FactoryResetProcedure() = 0;
    // Keeps other processes off the mouse around one step (DeviceLock, counted when nested);
    // false when another process still held it after `waitMs`.
    virtual bool LockDevice(int waitMs) = 0;
    virtual void UnlockDevice() = 0;
    // Writes leave out what the mouse acknowledged since it was last read or connected (button
    // tables, macro image, report rate); this makes the next ones send everything again.
    virtual void ForgetAcknowledged() {}
    // One notification poll. A read that waits on a silent mouse ends early once `giveWay`
    // holds (a task was queued, the worker is stopping).
    using GiveWay = std::function<bool()>;
    virtual void PollNotifications(const GiveWay& giveWay) = 0;
    // Ends a poll's wait on the mouse at once (a task was queued, the worker stops); any thread.
    virtual void InterruptPoll() {}
    // Whether a poll could read anything now (false: no interface carries the mouse's reports,
    // so an idle worker may wait for its next task).
    virtual bool CanPoll() { return true; }
};

}  // namespace quillon
