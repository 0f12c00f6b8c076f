#include "ui/pages/ButtonPage.h"

#include <algorithm>

#include "input/FunctionCatalogue.h"
#include "platform/InstanceMessage.h"
#include "platform/LanguageTable.h"
#include "platform/NumberText.h"
#include "store/SettingsStore.h"
#include "ui/MouseKeyConfigDlg.h"
#include "ui/WindowLanguage.h"
#include "ui/pages/ButtonPageIds.h"
#include "ui/toolkit/CRoundArea.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MText.h"
#include "ui/toolkit/MouseCtrl.h"
#include "ui/toolkit/NumberEdit.h"

namespace quillon {

using namespace button_page;

namespace {

// The page area the rectangles below are drawn for (that of a 1121 x 780 window).
constexpr MRect kReferenceArea{1, 110, 1120, 730};

constexpr const char* kLeftButtonLockKey = "leftbtn_lock";
constexpr const char* kResponseTimeKey = "button_respondtime";
constexpr const char* kButtonImage = "img_button.png";
constexpr const char* kComboImage = "img_combobox.png";

bool IsDialogFunction(int type) {
    return type == kFnKey || type == kFnMacro || type == kFnMultimedia || type == kFnSystem ||
           type == kFnEmoji;
}

// Position in the function list of the button's default function.
int DefaultListIndex(int keyCode) {
    return FunctionListPosition(DefaultFunctionType(keyCode)) - 1;
}

int IndexOfKeyCode(int keyCode) {
    auto found = std::find(kEditableKeyCodes.begin(), kEditableKeyCodes.end(), keyCode);
    return found == kEditableKeyCodes.end() ? -1
                                            : static_cast<int>(found - kEditableKeyCodes.begin());
}

}  // namespace

ButtonPage::ButtonPage(PageHost& host) : Page(host) {}

std::vector<IdRange> ButtonPage::Ids() const {
    return {{kProfileSelector, kFunctionLists.back()},
            {kResponseTime, kResponseTime},
            {kMouse, kMouse},
            {kImportProfile, kExportProfile}};
}

template <class T>
T* ButtonPage::Create(MControl& area, int id, const MRect& rect, const std::string& image) {
    T* control = Host().Dialog().CreateControl<T>(id, rect, image, &area);
    layout_.emplace_back(control, rect);
    return control;
}

void ButtonPage::Build(MControl& area) {
    area_ = &area;
    Create<CRoundArea>(area, kLeftPanel, {20, 120, 470, 640});
    Create<CRoundArea>(area, kResponsePanel, {20, 652, 470, 720});
    Create<CRoundArea>(area, kRightPanel, {490, 120, 1101, 720});

    title_ = Create<MText>(area, kTitle, {40, 132, 260, 164});
    title_->SetFontWidth(18);
    BindTitle(*title_, kTitleText);
    profiles_ = Create<MComboBox>(area, kProfileSelector, {280, 132, 450, 164}, kComboImage);

    for (size_t i = 0; i < kEditableKeyCodes.size(); ++i) {
        const int top = 184 + static_cast<int>(i) * 62;
        listLabels_[i] = Create<MText>(area, kListLabels[i], {40, top, 80, top + 32});
        listLabels_[i]->SetAlignment(kAlignCenter);
        listLabels_[i]->SetTitle(std::to_string(i + 1));
        lists_[i] =
            Create<MComboBox>(area, kFunctionLists[i], {90, top, 450, top + 32}, kComboImage);
    }

    auto* responseLabel = Create<MText>(area, kResponseLabel, {40, 668, 320, 704});
    responseLabel->SetFontWidth(16);
    BindTitle(*responseLabel, kResponseTimeText);
    responseTime_ = Create<NumberEdit>(area, kResponseTime, {340, 670, 450, 702});
    responseTime_->SetRange(kResponseTimeMin, kResponseTimeMax);
    responseTime_->SetLimitText(2);

    mouse_ = Create<MouseCtrl>(area, kMouse, {510, 136, 1081, 600}, "img_key_bkg.png");
    mouse_->SetMouseImage("device\\img_mouse.png");
    for (size_t i = 0; i < kEditableKeyCodes.size(); ++i) {
        mouse_->AddItem(GetText(kButtonWordText) + " " + std::to_string(i + 1), kAnchors[i],
                        kSides[i]);
    }
    mouse_->SetSelectItem(0);

    struct PageButton {
        int id;
        MRect rect;
        int textId;
    };
    const PageButton buttons[] = {
        {kApply, {510, 612, 693, 648}, kApplyText},
        {kReadBack, {704, 612, 887, 648}, kReadBackText},
        {kRestoreDefaults, {898, 612, 1081, 648}, kRestoreText},
        {kImportProfile, {510, 664, 790, 700}, kImportText},
        {kExportProfile, {801, 664, 1081, 700}, kExportText},
    };
    for (const PageButton& button : buttons) {
        BindTitle(*Create<MButton>(area, button.id, button.rect, kButtonImage), button.textId);
    }

    FillProfileSelector();
    FillFunctionLists();
}

void ButtonPage::Place(int, int, float) {
    // The reference rectangles map onto wherever the window has put the page area.
    const MRect area = area_->GetRect();
    const float sx = static_cast<float>(area.Width()) / static_cast<float>(kReferenceArea.Width());
    const float sy =
        static_cast<float>(area.Height()) / static_cast<float>(kReferenceArea.Height());
    auto x = [&](int value) {
        return area.left + static_cast<int>(static_cast<float>(value - kReferenceArea.left) * sx);
    };
    auto y = [&](int value) {
        return area.top + static_cast<int>(static_cast<float>(value - kReferenceArea.top) * sy);
    };
    for (const auto& [control, rect] : layout_) {
        control->SetRect({x(rect.left), y(rect.top), x(rect.right), y(rect.bottom)});
    }
}

int ButtonPage::OnMessage(int controlId, int event, std::intptr_t param) {
    if (controlId == kResponseTime) {
        OnResponseTime(event);
        return 1;
    }
    if (event != kEventClick) {
        return 0;
    }
    if (controlId == kProfileSelector) {
        OnProfileChosen();
    } else if (std::find(kFunctionLists.begin(), kFunctionLists.end(), controlId) !=
               kFunctionLists.end()) {
        OnFunctionChosen(controlId);
    } else if (controlId == kMouse && param >= 0 &&
               param < static_cast<std::intptr_t>(kEditableKeyCodes.size())) {
        Host().SetSelectedButton(kEditableKeyCodes[static_cast<size_t>(param)]);
    } else if (controlId == kImportProfile) {
        ImportProfile();
    } else if (controlId == kExportProfile) {
        ExportProfile(Host().ActiveProfile());
    } else {
        return 0;
    }
    return 1;
}

void ButtonPage::Refresh() {
    for (size_t i = 0; i < kEditableKeyCodes.size(); ++i) {
        const int keyCode = kEditableKeyCodes[i];
        mouse_->SetItemText(static_cast<int>(i), GetText(ButtonLabelTextId(keyCode)));
        lists_[i]->SetCurSel(DefaultListIndex(keyCode));
    }
    std::vector<KeyAssignment> rows;
    Host().Store().LoadKeyAssignments(Host().ActiveProfile(), rows);
    const LanguageContext language = WindowLanguage();
    for (const KeyAssignment& row : rows) {
        const int index = IndexOfKeyCode(row.key_code);
        if (index < 0) {
            continue;
        }
        const std::string name = AssignmentDisplayName(row, language);
        MComboBox& list = *lists_[static_cast<size_t>(index)];
        list.SelectData(row.macro_type);
        list.SetShowText(name);
        mouse_->SetItemText(index, name);
    }
    std::string responseTime;
    Host().Store().GetValue(Host().ActiveProfile(), kResponseTimeKey, responseTime);
    responseTime_->SetTitle(responseTime);
    ApplyLeftButtonLock();
}

bool ButtonPage::OnWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                 std::intptr_t& result) {
    if (message != static_cast<unsigned>(MSG_PROFILE_FILE)) {
        return false;
    }
    if (wParam == kProfileFileImport) {
        ImportProfile();
    } else if (wParam == kProfileFileExport && !ProfileName(static_cast<int>(lParam)).empty()) {
        ExportProfile(static_cast<int>(lParam));
    }
    result = 1;
    return true;
}

void ButtonPage::FillFunctionLists() {
    for (size_t i = 0; i < kEditableKeyCodes.size(); ++i) {
        MComboBox& list = *lists_[i];
        list.DelAllItems();
        for (int type : FunctionListTypes()) {
            list.AddItem(GetText(FunctionTextId(type)), type);
        }
        list.SetCurSel(DefaultListIndex(kEditableKeyCodes[i]));
    }
    ApplyLeftButtonLock();
}

void ButtonPage::FillProfileSelector() {
    SettingsStore& store = Host().Store();
    store.EnsureDefaultProfiles();
    std::vector<ProfileRecord> records;
    store.LoadProfiles(records);
    profiles_->DelAllItems();
    for (const ProfileRecord& record : records) {
        // Names are text ids; a name that is none shows as it is stored.
        const std::string text = GetText(ParseLeadingInt(record.name));
        profiles_->AddItem(text.empty() ? record.name : text, record.profile);
    }
    const int active = store.ActiveProfile();
    if (active > 0 && active != Host().ActiveProfile()) {
        Host().SetActiveProfile(active);
    }
    profiles_->SelectData(Host().ActiveProfile());
}

void ButtonPage::ApplyOwnTexts() {
    for (MComboBox* list : lists_) {
        for (int i = 0; i < list->GetCount(); ++i) {
            list->SetItemText(i, GetText(FunctionTextId(list->GetItemData(i))));
        }
    }
    FillProfileSelector();
    Refresh();
}

void ButtonPage::ApplyLeftButtonLock() {
    std::string lock;
    Host().Store().GetValue(Host().ActiveProfile(), kLeftButtonLockKey, lock);
    lists_[0]->SetEnabled(lock != "1");
}

void ButtonPage::OnFunctionChosen(int controlId) {
    const auto index =
        static_cast<size_t>(std::find(kFunctionLists.begin(), kFunctionLists.end(), controlId) -
                            kFunctionLists.begin());
    const int keyCode = kEditableKeyCodes[index];
    MComboBox& list = *lists_[index];
    // A locked left button changes only through read-back or import.
    if (!list.IsEnabled()) {
        Refresh();
        return;
    }
    Host().SetSelectedButton(keyCode);
    mouse_->SetSelectItem(static_cast<int>(index));
    const int profile = Host().ActiveProfile();
    const int type = list.GetCurData();
    if (IsSimpleFunction(type)) {
        Host().Store().SaveKeyAssignment(
            SimpleAssignment(profile, keyCode, type, WindowLanguage()));
        Host().Enqueue(DeviceTask::ApplyToDevice);
        Refresh();
    } else if (IsDialogFunction(type)) {
        MouseKeyConfigDlg dialog(Host().Store(), profile, keyCode, type);
        dialog.Run(Host().Dialog());
        // Whichever way it closed: the stored state is what the page and the mouse get.
        Refresh();
        Host().Enqueue(DeviceTask::ApplyToDevice);
    }
}

void ButtonPage::OnProfileChosen() {
    const int profile = profiles_->GetCurData();
    if (profile < 1) {
        return;
    }
    Host().SetActiveProfile(profile);
    Host().Enqueue(DeviceTask::SwitchProfile);
}

void ButtonPage::OnResponseTime(int event) {
    const int typed = responseTime_->GetValue();
    const int value = std::clamp(typed, kResponseTimeMin, kResponseTimeMax);
    if (event == kEventChanging) {
        if (value != typed) {
            responseTime_->SetValue(value);
        }
        return;
    }
    if (event == kEventEditDone || event == kEventClick) {
        responseTime_->SetValue(value);
        Host().Store().SetValue(Host().ActiveProfile(), kResponseTimeKey, std::to_string(value));
    }
}

std::string ButtonPage::ProfileName(int profile) const {
    for (int i = 0; i < profiles_->GetCount(); ++i) {
        if (profiles_->GetItemData(i) == profile) {
            return profiles_->GetItemText(i);
        }
    }
    return {};
}

}  // namespace quillon
