#pragma once

#include <optional>
#include <string>
#include <vector>

#include "protocol/WorkerHost.h"

namespace quillon {
class SettingsStore;
}

namespace quillon::cli {

class DeviceSession;

// Hears the values the mouse reports, as the window's pages would show them.
class ReportListener {
  public:
    virtual ~ReportListener() = default;
    virtual void OnStage(int stage, int dpi) = 0;
    virtual void OnReportRate(int code) = 0;
    virtual void OnLightMode(int mode) = 0;
    virtual void OnBattery(int level, int state) = 0;
};

// The device worker's window, for quillonctl: the flags come from the device session and the
// settings database, page refreshes have nothing to draw, and what the worker reports (battery,
// firmware version, stage, rate, light mode, posted messages) is kept for the command to print.
class CliWorkerHost : public WorkerHost {
  public:
    // `profile`: the profile to work on; 0 follows the database's active profile.
    CliWorkerHost(SettingsStore& store, DeviceSession& devices, int profile);

    bool IsPresent() const override;
    bool IsLoaded() const override { return loaded_; }
    void SetLoaded(bool loaded) override { loaded_ = loaded; }
    int ActiveProfile() const override { return profile_; }

    void RefreshDevices() override;
    void LoadProfileState() override;
    void RefreshButtonPage() override {}
    void RefreshMacroList() override {}
    void RefreshPerformancePage() override {}
    void HideMacroEditing() override {}
    void RestorePointerDefaults() override {}
    void CloseWaitDialog() override {}

    void SetBattery(int level, int state) override;
    void SetFirmwareText(const std::string& text) override { firmware_ = text; }
    void ShowCurrentStage(int stage, int dpi) override;
    void ShowReportRate(int code) override;
    void SetLightMode(int mode) override;
    void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

    // Receives what the mouse reports from now on; null for nobody.
    void SetListener(ReportListener* listener) { listener_ = listener; }

    struct Battery {
        int level = 0;
        int state = 0;  // 1 charging, 2 unknown
    };
    const std::optional<Battery>& LastBattery() const { return battery_; }
    const std::string& Firmware() const { return firmware_; }
    // lParam of every MSG_TASK_DONE posted so far.
    const std::vector<long>& TasksDone() const { return tasksDone_; }

  private:
    SettingsStore& store_;
    DeviceSession& devices_;
    int requested_;
    int profile_;
    bool loaded_ = false;
    ReportListener* listener_ = nullptr;
    std::optional<Battery> battery_;
    std::string firmware_;
    std::vector<long> tasksDone_;
};

}  // namespace quillon::cli
