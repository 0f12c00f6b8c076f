#pragma once

#include <cstdint>
#include <string>

namespace quillon {

// The window state and callbacks the device worker and the device commands reach. The main
// window implements it; so do the command line and the tests. Every call comes from the worker
// thread, so an implementation that owns widgets marshals to its own thread as needed.
class WorkerHost {
  public:
    virtual ~WorkerHost() = default;

    // At least one interface of the served device type is listed.
    virtual bool IsPresent() const = 0;
    // Set after the first device read since start (or since a factory reset).
    virtual bool IsLoaded() const = 0;
    virtual void SetLoaded(bool loaded) = 0;
    // 1-based profile every command is built for.
    virtual int ActiveProfile() const = 0;

    // Rebuilds the device list and the connection state (present and connected flags).
    virtual void RefreshDevices() = 0;
    // Loads the active profile's state from the database (fills the profile selector).
    virtual void LoadProfileState() = 0;
    // Fills the button-function lists, sets the selected button to 0, redraws the labels.
    virtual void RefreshButtonPage() = 0;
    virtual void RefreshMacroList() = 0;
    virtual void RefreshPerformancePage() = 0;
    virtual void HideMacroEditing() = 0;
    virtual void RestorePointerDefaults() = 0;
    // Closes the wait dialog when one is open.
    virtual void CloseWaitDialog() = 0;

    virtual void SetBattery(int level, int state) = 0;
    virtual void SetFirmwareText(const std::string& text) = 0;
    // The mouse switched to `stage` (1..6) whose stored DPI is `dpi`: highlight and slider.
    virtual void ShowCurrentStage(int stage, int dpi) = 0;
    // Report-rate code 1..4 (other values show as 1000 Hz).
    virtual void ShowReportRate(int code) = 0;
    // The window's current light mode (its cache and the light-mode list).
    virtual void SetLightMode(int mode) = 0;

    // Queues a window message for the window thread; safe from any thread.
    virtual void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

}  // namespace quillon
