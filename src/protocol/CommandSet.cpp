#include "protocol/CommandSet.h"

#include "device/DeviceManager.h"
#include "protocol/ButtonTransfer.h"
#include "protocol/CommandFrames.h"
#include "protocol/MacroTransfer.h"
#include "protocol/ProfileValues.h"
#include "store/SettingsStore.h"

namespace quillon {
namespace {

constexpr std::uint8_t kCommandReadButtons = 0x08;
constexpr int kReadProfileIndexes = 6;  // the mouse keeps tables for indexes 0..5

}  // namespace

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
    // What the mouse holds is taken from it now, whatever was sent before.
    ForgetAcknowledged();
    performance_.ReadBattery();
    ReadButtonTables();
    performance_.ReadPerformanceBlock();
    return true;
}

void CommandSet::FactoryResetProcedure() {
    ForgetAcknowledged();
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
    if (WriteMacros()) {
        WriteButtons();
    }
    performance_.WritePerformanceBlock();
    lightMode_.WriteLightMode();
    performance_.ReadBattery();
    ForgetAcknowledged();
}

void CommandSet::ReadButtonTables() {
    std::vector<std::pair<int, ButtonTable>> tables;
    for (int index = 0; index < kReadProfileIndexes; ++index) {
        CommandFrame frame = ButtonTableReadFrame(index);
        channel_.Send(frame);
        // Only a reply to this very command: another one decoded as a table would store
        // nonsense assignments.
        if (frame.IsReplyTo(kCommandReadButtons)) {
            tables.emplace_back(index + 1, ButtonTableOfReply(frame.data()));
        }
    }
    // Stored after the transfers, in one commit: the store stays free while the mouse answers.
    store_.InOneTransaction([&] {
        std::vector<MacroHeader> macros;
        store_.LoadMacros(macros);
        for (const auto& [profile, table] : tables) {
            StoreButtonTable(store_, macros, profile, table);
        }
    });
}

void CommandSet::WriteButtons() {
    SendButtonTables(channel_, BuildProfileButtonTables(store_));
}

void CommandSet::PollNotifications(const GiveWay& giveWay) {
    if (poll_.Poll(giveWay)) {
        ForgetAcknowledged();  // the mouse changed something itself
    }
}

bool CommandSet::LockDevice(int waitMs) {
    return devices_.LockTransfers(std::chrono::milliseconds(waitMs));
}

void CommandSet::UnlockDevice() {
    devices_.UnlockTransfers();
}

bool CommandSet::WriteMacros() {
    MacroImage image;
    std::string problem;
    const bool fits = BuildMacroImage(LoadMacroSources(store_), image, problem);
    {
        std::lock_guard lock(problemMutex_);
        macroProblem_ = problem;
    }
    if (!fits) {
        return false;  // nothing of a table the mouse cannot hold is sent
    }
    DeviceMirror& mirror = channel_.Acknowledged();
    if (mirror.HoldsMacros(image)) {
        return true;
    }
    const bool answered = SendMacroImage(devices_, image);
    channel_.Count(answered);
    if (answered) {
        mirror.SetMacros(image);
    }
    return true;
}

std::string CommandSet::MacroProblem() const {
    std::lock_guard lock(problemMutex_);
    return macroProblem_;
}

}  // namespace quillon
