#pragma once

#include <mutex>
#include <string>

#include "protocol/CommandChannel.h"
#include "protocol/DeviceOperations.h"
#include "protocol/LightModeCommand.h"
#include "protocol/NotificationPoll.h"
#include "protocol/PerformanceCommands.h"
#include "protocol/TaskQueue.h"
#include "protocol/WorkerHost.h"

namespace quillon {

class DeviceManager;
class SettingsStore;
class TextTyper;

// The device operations over the real channel and the settings store: what the worker runs
// for the window, the command line and the benchmarks alike.
class CommandSet : public DeviceOperations {
  public:
    CommandSet(DeviceManager& devices, SettingsStore& store, WorkerHost& host, TaskQueue& queue,
               TextTyper& typer);

    bool ReadDeviceSettings() override;
    void ReadBattery() override { performance_.ReadBattery(); }
    void WritePerformanceBlock() override { performance_.WritePerformanceBlock(); }
    void WriteCurrentDpi() override { performance_.WriteCurrentDpi(); }
    void WriteReportRate() override { performance_.WriteReportRate(); }
    void WriteLightMode() override { lightMode_.WriteLightMode(); }
    void ResetLightMode() override { lightMode_.ResetLightMode(); }
    void WriteButtons() override;
    bool WriteMacros() override;
    void ShowFirmwareVersions() override { performance_.ShowFirmwareVersions(); }
    void QueryFirmwareVersion() override { performance_.QueryFirmwareVersion(); }
    void FactoryResetProcedure() override;
    void PollNotifications(const GiveWay& giveWay) override;
    void InterruptPoll() override { poll_.Interrupt(); }
    bool CanPoll() override { return poll_.CanRead(); }
    bool LockDevice(int waitMs) override;
    void UnlockDevice() override;
    void ForgetAcknowledged() override { channel_.Acknowledged().Forget(); }

    // Commands the mouse left unanswered since the count was last reset.
    CommandChannel& Channel() { return channel_; }
    // Why the last WriteMacros sent nothing (the macros do not fit the mouse): the macro that
    // does not fit and the bytes over; empty when it sent them. Safe from any thread, so the
    // window can read it when the task-done message arrives.
    std::string MacroProblem() const;

  private:
    // The button tables of profile indexes 0..5 into the store.
    void ReadButtonTables();

    DeviceManager& devices_;
    CommandChannel channel_;
    SettingsStore& store_;
    WorkerHost& host_;
    PerformanceCommands performance_;
    LightModeCommand lightMode_;
    NotificationPoll poll_;
    mutable std::mutex problemMutex_;
    std::string macroProblem_;
};

}  // namespace quillon
