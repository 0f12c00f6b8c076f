// The handlers of the controller's own rows: tabs, window buttons, the task buttons
// with the wait dialog, the language switch and the factory reset.
#include "app/DeviceMainDlg.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/ProductKey.h"
#include "protocol/ProfileValues.h"
#include "ui/MessageBox.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/Manager.h"
#include "ui/toolkit/MouseCtrl.h"

namespace quillon {
namespace {

constexpr int kLanguageBox = 275;
constexpr int kMousePicture = 87;  // the button page's MouseCtrl
constexpr const char* kFontName = "Open Sans Semibold";
constexpr const char* kFallbackDatabaseKey = "Mouse";

// Refusal texts.
constexpr int kTipTitle = 576;
constexpr int kFactoryResetTitle = 676;
constexpr int kNoDeviceText = home_ids::kConnectPrompt;     // 57
constexpr int kBluetoothText = home_ids::kBluetoothNotice;  // 56

}  // namespace

int DeviceMainDlg::OnTabSwitch(std::intptr_t position) {
    currentTab_ = frame_->Tabs()->GetItemID(static_cast<int>(position));
    return 1;
}

int DeviceMainDlg::OnWindowButton(int controlId) {
    switch (controlId) {
        case home_ids::kClose:
            // Hidden, not ended: the program stays in the notification area.
            HideToTray();
            break;
        case home_ids::kMinimize:
            ShowWindow(kSwMinimize);
            break;
        case home_ids::kWebLink:
            options_.openUrl(kMakerWebAddress);
            break;
        default:
            return 0;
    }
    return 1;
}

int DeviceMainDlg::OnTaskButton(int controlId) {
    switch (controlId) {
        case 88:
            ShowWaitDialogFor(DeviceTask::ApplyToDevice);
            return 1;
        case 89:
            ShowWaitDialogFor(DeviceTask::ReadFromDevice);
            return 1;
        case 90:
            return OnRestoreDefaults();
        default:
            return 0;
    }
}

// The dialog is held before the task is queued: a worker that settles at once then closes this
// dialog and not the one before it (its run ends as soon as it begins).
void DeviceMainDlg::ShowWaitDialogFor(DeviceTask task) {
    wait_.Replace();
    queue_.Enqueue(task);
    wait_.ShowCurrent(this);
}

int DeviceMainDlg::OnRestoreDefaults() {
    if (ShowMessageBox(201, 200, kMessageBoxConfirm) == kIdCancel) {
        return 1;
    }
    if (auto* mouse = GetControl<MouseCtrl>(kMousePicture)) {
        mouse->SetSelectItem(0);
    }
    selectedButton_ = 0;
    const int profile = activeProfile_;
    const int mode = ConnectionMode();
    store_.DeleteKeyAssignments(profile);
    store_.ResetProfileValues(profile, mode);
    ProfileValues(store_, profile).Set("report_rate", mode == kWiredMode ? 4 : 2);
    RefreshButtonPage();
    RefreshPerformancePage();
    ShowWaitDialogFor(DeviceTask::RestoreDefaults);
    return 1;
}

int DeviceMainDlg::OnLanguageSwitch() {
    auto* box = GetControl<MComboBox>(kLanguageBox);
    if (box == nullptr) {
        return 0;
    }
    if (!connected_ || ConnectionMode() == kBluetoothMode) {
        box->SelectData(CurrentLanguageId());
        ShowMessageBox(kTipTitle, connected_ ? kBluetoothText : kNoDeviceText, kMessageBoxOk);
        return 0;
    }
    const int language = box->GetCurData();
    if (language != kLanguageChineseSimplified && language != kLanguageEnglishUs) {
        box->SelectData(CurrentLanguageId());
        return 0;
    }
    SetCurrentLanguageId(language);
    WriteLanguageId(language);
    Manager::SetFontName(kFontName);
    textFontName_ = kFontName;
    messageFontName_ = kFontName;
    ApplyTexts();
    // The settings page's columns follow the language.
    const MRect client = GetClientRect();
    UISize(client.left, client.top, client.right, client.bottom);
    return 1;
}

int DeviceMainDlg::OnFactoryReset() {
    if (!connected_) {
        ShowMessageBox(kFactoryResetTitle, kNoDeviceText, kMessageBoxOk);
        return 0;
    }
    if (ConnectionMode() == kBluetoothMode) {
        ShowMessageBox(kFactoryResetTitle, kBluetoothText, kMessageBoxOk);
        return 0;
    }
    if (ShowMessageBox(670, 671, kMessageBoxConfirm) == kIdCancel) {
        return 0;
    }
    std::string key = catalogue_.DatabaseKey(ReadDeviceType());
    if (key.empty()) {
        key = kFallbackDatabaseKey;
    }
    // The database of that key: through the open connection when it is the one in use, so the
    // window keeps working on it; otherwise opened on its own for the reset.
    if (SettingsStore::DatabaseFilePath(dataFolder_, key) == store_.DatabasePath()) {
        store_.ClearAll();
    } else {
        SettingsStore other;
        other.OpenAndClear(dataFolder_, key);
    }
    queue_.Enqueue(DeviceTask::FactoryReset);
    loaded_ = false;
    return 1;
}

void DeviceMainDlg::ApplyTexts() {
    ForEachPage([](Page& page) { page.ApplyTexts(); });
}

}  // namespace quillon
