#include "protocol/CommandSet.h"

#include "device/DeviceManager.h"
#include "protocol/CommandFrames.h"
#include "protocol/ProfileValues.h"

namespace quillon {

CommandSet::CommandSet(DeviceManager& devices, SettingsStore& store, WorkerHost& host,
                       TaskQueue& queue, TextTyper& typer)
    : devices_(devices),
      channel_(devices),
      store_(store),
      host_(host),
      performance_(channel_, store, host),
      lightMode_(channel_, store, host),
      poll_(devices, store, host, queue, typer) {}

bool CommandSet::ReadDeviceSettings() {
    performance_.ReadBattery();
    ReadButtonTables();
    performance_.ReadPerformanceBlock();
    return true;
}

void CommandSet::FactoryResetProcedure() {
    host_.LoadProfileState();
    lightMode_.WriteLightMode();
    host_.RefreshButtonPage();
    host_.RefreshMacroList();

    ProfileValues values(store_, host_.ActiveProfile());
    bool wired = devices_.ConnectionMode() == kWiredMode;
    values.Set("report_rate", wired ? kReportRateWired : kReportRateWireless);
    values.Set("light_mode", 0);
    values.Set("move_wakeUp_flag", 1);

    host_.RefreshPerformancePage();
    WriteMacros();
    WriteButtons();
    performance_.WritePerformanceBlock();
    lightMode_.WriteLightMode();
    performance_.ReadBattery();
}

}  // namespace quillon
