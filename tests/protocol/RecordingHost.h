#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "protocol/WorkerHost.h"

namespace quillon::test {

// A window stand-in for the device worker: keeps the indicator values it is given and the
// messages posted to it. Safe to read from the test thread while the worker writes.
class RecordingHost : public WorkerHost {
  public:
    struct Posted {
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool operator==(const Posted&) const = default;
    };

    std::atomic<bool> present = true;
    std::atomic<bool> loaded = false;
    std::atomic<int> profile = 1;
    std::function<void()> onRefreshDevices;  // the device refresh, when a test needs one

    bool IsPresent() const override { return present; }
    bool IsLoaded() const override { return loaded; }
    void SetLoaded(bool value) override { loaded = value; }
    int ActiveProfile() const override { return profile; }
    void RefreshDevices() override {
        if (onRefreshDevices) {
            onRefreshDevices();
        }
    }
    void LoadProfileState() override {}
    void RefreshButtonPage() override {}
    void RefreshMacroList() override {}
    void RefreshPerformancePage() override {}
    void HideMacroEditing() override {}
    void RestorePointerDefaults() override {}
    void CloseWaitDialog() override {}

    void SetBattery(int level, int state) override {
        std::lock_guard lock(mutex_);
        battery_ = {level, state};
    }
    void SetFirmwareText(const std::string& text) override {
        std::lock_guard lock(mutex_);
        firmware_ = text;
    }
    void ShowCurrentStage(int stage, int dpi) override {
        std::lock_guard lock(mutex_);
        stage_ = {stage, dpi};
    }
    void ShowReportRate(int code) override {
        std::lock_guard lock(mutex_);
        rate_ = code;
    }
    void SetLightMode(int mode) override {
        std::lock_guard lock(mutex_);
        lightMode_ = mode;
    }
    void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        std::lock_guard lock(mutex_);
        posted_.push_back({message, wParam, lParam});
    }

    std::pair<int, int> Battery() const { return Get(battery_); }
    std::string Firmware() const { return Get(firmware_); }
    std::pair<int, int> Stage() const { return Get(stage_); }
    int Rate() const { return Get(rate_); }
    int LightMode() const { return Get(lightMode_); }
    std::vector<Posted> PostedMessages() const { return Get(posted_); }

  private:
    template <typename T>
    T Get(const T& field) const {
        std::lock_guard lock(mutex_);
        return field;
    }

    mutable std::mutex mutex_;
    std::pair<int, int> battery_{-1, -1};
    std::string firmware_;
    std::pair<int, int> stage_{0, 0};
    int rate_ = 0;
    int lightMode_ = -1;
    std::vector<Posted> posted_;
};

}  // namespace quillon::test
