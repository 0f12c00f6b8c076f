#pragma once

#include "protocol/PerformanceBlock.h"
#include "protocol/ProfileValues.h"
#include "protocol/WorkerHost.h"

namespace quillon {

class CommandChannel;
class SettingsStore;

// The performance settings of the active profile between the store and the mouse, and the
// battery and firmware queries. Runs on the device worker; every command goes through the
// channel once (with its own resends) and a missing reply changes nothing.
class PerformanceCommands {
  public:
    PerformanceCommands(CommandChannel& channel, SettingsStore& store, WorkerHost& host);

    // Battery level and charge state into the battery indicator.
    void ReadBattery();
    // The mouse's block into the store; a mouse without a DPI table is sent the stored block.
    void ReadPerformanceBlock();
    void WritePerformanceBlock();
    // The stored current stage and its DPI.
    void WriteCurrentDpi();
    // The stored rate, unless the mouse acknowledged it already (the channel's mirror).
    void WriteReportRate();
    // Firmware version text from command 0x03; kept when the mouse does not answer.
    void QueryFirmwareVersion();
    // Firmware version text from the version feature report ("0.0.0" when there is none).
    void ShowFirmwareVersions();

    // The stored values of a profile as numbers, and a read stored back (the stage byte into
    // both "dpi_flag" and "dpi_count"; only the stage DPIs the mouse can carry).
    static PerformanceValues Load(const ProfileValues& values);
    static void Store(const ProfileValues& values, const PerformanceReading& reading);

  private:
    ProfileValues Active() const;

    CommandChannel& channel_;
    SettingsStore& store_;
    WorkerHost& host_;
};

}  // namespace quillon
