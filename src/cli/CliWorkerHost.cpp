#include "cli/CliWorkerHost.h"

#include "cli/DeviceSession.h"
#include "protocol/DeviceTask.h"
#include "store/SettingsStore.h"

namespace quillon::cli {

CliWorkerHost::CliWorkerHost(SettingsStore& store, DeviceSession& devices, int profile)
    : store_(store), devices_(devices), requested_(profile), profile_(profile) {
    if (profile_ == 0) {
        profile_ = store_.ActiveProfile();
    }
}

bool CliWorkerHost::IsPresent() const {
    return devices_.Status().present;
}

void CliWorkerHost::RefreshDevices() {
    devices_.Refresh();
}

void CliWorkerHost::LoadProfileState() {
    int active = store_.EnsureDefaultProfiles();
    profile_ = requested_ != 0 ? requested_ : active;
}

void CliWorkerHost::SetBattery(int level, int state) {
    battery_ = Battery{level, state};
    if (listener_ != nullptr) {
        listener_->OnBattery(level, state);
    }
}

void CliWorkerHost::ShowCurrentStage(int stage, int dpi) {
    if (listener_ != nullptr) {
        listener_->OnStage(stage, dpi);
    }
}

void CliWorkerHost::ShowReportRate(int code) {
    if (listener_ != nullptr) {
        listener_->OnReportRate(code);
    }
}

void CliWorkerHost::SetLightMode(int mode) {
    if (listener_ != nullptr) {
        listener_->OnLightMode(mode);
    }
}

void CliWorkerHost::PostMessage(unsigned message, std::uintptr_t /*wParam*/, std::intptr_t lParam) {
    if (message == MSG_TASK_DONE) {
        tasksDone_.push_back(static_cast<long>(lParam));
    }
}

}  // namespace quillon::cli
