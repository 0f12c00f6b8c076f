// The controller as the worker's host, the device refresh's observer and the pages' host.
#include "app/DeviceMainDlg.h"
#include "device/DeviceRefresh.h"
#include "platform/LanguageTable.h"
#include "platform/PointerDefaults.h"
#include "ui/MessageBox.h"
#include "ui/pages/ButtonPage.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/toolkit/MTabCtrl.h"

namespace quillon {

// ---- WorkerHost ----

void DeviceMainDlg::RefreshDevices() {
    const DeviceStatus status = quillon::RefreshDevices(*devices_, catalogue_.Modes(), *this);
    deviceType_ = status.deviceType;
    present_ = status.present;
    connected_ = status.connected;
}

void DeviceMainDlg::LoadProfileState() {
    activeProfile_ = store_.EnsureDefaultProfiles();
    if (auto* page = dynamic_cast<ButtonPage*>(FindPage(PageKind::Buttons))) {
        page->FillProfileSelector();
    }
}

void DeviceMainDlg::RefreshButtonPage() {
    selectedButton_ = 0;
    if (Page* page = FindPage(PageKind::Buttons)) {
        if (auto* buttons = dynamic_cast<ButtonPage*>(page)) {
            buttons->FillFunctionLists();
        }
        page->Refresh();
    }
}

void DeviceMainDlg::RestorePointerDefaults() {
    quillon::RestorePointerDefaults();
}

void DeviceMainDlg::RefreshMacroList() {
    if (Page* page = FindPage(PageKind::Macros)) {
        page->Refresh();
    }
}

void DeviceMainDlg::RefreshPerformancePage() {
    if (Page* page = FindPage(PageKind::Performance)) {
        page->Refresh();
    }
}

void DeviceMainDlg::HideMacroEditing() {
    ForEachPage([](Page& page) { page.HideMacroEditing(); });
}

void DeviceMainDlg::SetBattery(int level, int state) {
    ForEachPage([&](Page& page) { page.SetBattery(level, state); });
    if (tray_) {
        tray_->SetBattery(level, state);
    }
}

void DeviceMainDlg::SetFirmwareText(const std::string& text) {
    ForEachPage([&](Page& page) { page.SetFirmwareText(text); });
}

void DeviceMainDlg::ShowCurrentStage(int stage, int dpi) {
    highlightedStage_ = 100 + stage;
    ForEachPage([&](Page& page) { page.ShowCurrentStage(stage, dpi); });
}

void DeviceMainDlg::ShowReportRate(int code) {
    ForEachPage([&](Page& page) { page.ShowReportRate(code); });
}

void DeviceMainDlg::SetLightMode(int mode) {
    lightMode_ = mode;
    ForEachPage([&](Page& page) { page.SetLightMode(mode); });
}

// ---- DeviceStateObserver ----

void DeviceMainDlg::ResetBattery() {
    frame_->SetBattery(0, 2);
}

void DeviceMainDlg::ClearMessage() {
    ShowMessageLine({});
}

void DeviceMainDlg::ShowConnectionState(ConnectionState state) {
    frame_->ShowConnectionState(state);
    // The tab shown now: a refresh changes it as a click would, so the current tab follows.
    if (MTabCtrl* tabs = frame_->Tabs()) {
        currentTab_ = tabs->GetItemID(tabs->GetCurSel());
    }
}

void DeviceMainDlg::ShowBluetoothNotice() {
    ShowMessageLine(GetText(home_ids::kBluetoothNotice));
    connected_ = true;
}

// ---- PageHost ----

void DeviceMainDlg::SetActiveProfile(int profile) {
    activeProfile_ = profile;
    store_.SetActiveProfile(profile);
}

int DeviceMainDlg::ConnectionMode() const {
    return devices_->ConnectionMode();
}

int DeviceMainDlg::ShowMessageBox(int titleId, int textId, int style) {
    return quillon::ShowMessageBox(this, GetText(titleId), GetText(textId), style);
}

void DeviceMainDlg::ShowMessageLine(const std::string& text) {
    SetMessage(text, MessageRect(), MessageFontSize());
}

Page* DeviceMainDlg::FindPage(PageKind kind) {
    if (kind == PageKind::Home) {
        return frame_.get();
    }
    for (const auto& page : pages_) {
        if (page->Kind() == kind) {
            return page.get();
        }
    }
    return nullptr;
}

void DeviceMainDlg::SetTabsEnabled(bool enabled) {
    frame_->Tabs()->SetEnabled(enabled);
}

void DeviceMainDlg::RunTaskWithWaitDialog(DeviceTask task) {
    ShowWaitDialogFor(task);
}

}  // namespace quillon
