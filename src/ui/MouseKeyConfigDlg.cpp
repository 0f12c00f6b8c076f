#include "ui/MouseKeyConfigDlg.h"

#include <QLineEdit>
#include <QWidget>

#include "input/FunctionCatalogue.h"
#include "input/KeyNames.h"
#include "platform/LanguageTable.h"
#include "store/SettingsStore.h"
#include "ui/FunctionValueList.h"
#include "ui/KeyCapture.h"
#include "ui/MouseKeyConfigIds.h"
#include "ui/WindowLanguage.h"
#include "ui/toolkit/CArea.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/CImageButton.h"
#include "ui/toolkit/EmojiControl.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MEdit.h"
#include "ui/toolkit/MText.h"

namespace quillon {

using namespace key_dialog;

namespace {

constexpr int kMargin = 20;
constexpr int kRowHeight = 32;

// The function's name in the dialog's function list.
std::string FunctionName(int type) {
    if (type == kFnEmoji) {
        return std::string(kEmojiFunctionName);
    }
    return GetText(FunctionTextId(type));
}

std::string FunctionTitle(int type) {
    return type == kFnEmoji ? std::string(kEmojiTitle) : FunctionName(type);
}

CCheckButton* AddCheckBox(MDialog& dialog, int id, const MRect& rect, const char* name) {
    auto* box = dialog.CreateControl<CCheckButton>(id, rect, "btn_checkbox.png");
    box->SetTitle(name);
    return box;
}

}  // namespace

MouseKeyConfigDlg::MouseKeyConfigDlg(SettingsStore& store, int profile, int keyCode, int type)
    : store_(store), profile_(profile), keyCode_(keyCode), type_(type) {}

MouseKeyConfigDlg::~MouseKeyConfigDlg() = default;

MRect MouseKeyConfigDlg::WindowRect(int type) {
    return type == kFnEmoji ? MRect{0, 0, kEmojiWidth, kEmojiHeight} : MRect{0, 0, kWidth, kHeight};
}

int MouseKeyConfigDlg::Run(MWindow& owner) {
    Create(&owner, "MouseKeyConfigDlg", kWsPopup | kWsClipSiblings | kWsClipChildren, 0,
           WindowRect(type_));
    CenterWindow(&owner);
    int result = ShowModal(kSwShowNormal);
    DestroyWindow();
    return result;
}

void MouseKeyConfigDlg::InitUI(int, int, int right, int bottom) {
    const bool emoji = type_ == kFnEmoji;
    CreateControl<CArea>(kBackground, {0, 0, right, bottom});
    title_ = CreateControl<MText>(kTitle, {kMargin, 10, right - 50, 42});
    title_->SetFontWidth(16);
    title_->SetTitle(GetText(kInitialTitleText));
    auto* close =
        CreateControl<CImageButton>(kClose, {right - 36, 16, right - 16, 36}, "sysbtn_close.png");
    close->SetTooltip(GetText(kCloseHintText));

    const int wide = right - kMargin;
    function_ = CreateControl<MComboBox>(kFunction, {kMargin, 54, wide, 54 + kRowHeight},
                                         "img_combobox.png");
    const MRect valueRow{kMargin, 100, wide, 100 + kRowHeight};
    values_ = CreateControl<MComboBox>(kValueList, valueRow, "img_combobox.png");
    keyField_ = CreateControl<MEdit>(kKeyField, valueRow, "img_edit.png");
    keyField_->SetHint(GetText(kKeyHintText));
    keyField_->SetReadOnly(true);
    // Only a click starts the capture: focus given on opening would clear the stored key.
    if (QLineEdit* field = KeyLineEdit()) {
        field->setFocusPolicy(Qt::ClickFocus);
    }

    const int boxWidth = (right - 2 * kMargin) / 4;
    MRect box{kMargin, 148, kMargin + boxWidth - 10, 174};
    auto next = [&box, boxWidth] {
        MRect current = box;
        box.left += boxWidth;
        box.right += boxWidth;
        return current;
    };
    shift_ = AddCheckBox(*this, kShift, next(), "Shift");
    ctrl_ = AddCheckBox(*this, kCtrl, next(), "Ctrl");
    win_ = AddCheckBox(*this, kWin, next(), "Win");
    alt_ = AddCheckBox(*this, kAlt, next(), "Alt");

    // Ten columns of 46-pixel cells hold all 109 entries without scrolling.
    const int gridWidth = emoji ? 460 : 0;
    const int gridLeft = (right - gridWidth) / 2;
    emoji_ = CreateControl<EmojiControl>(kEmoji, {gridLeft, 94, gridLeft + gridWidth, 94 + 506});
    if (emoji) {
        FillEmojiPicker(*emoji_);
    }

    const int middle = right / 2;
    auto* ok = CreateControl<MButton>(kOk, {middle - 60, bottom - 46, middle + 60, bottom - 12},
                                      "img_button.png");
    ok->SetFontWidth(16);
    ok->SetTitle(GetText(kOkText));
}

void MouseKeyConfigDlg::UISize(int, int, int, int) {}

int MouseKeyConfigDlg::OnInitDialog() {
    MDialog::OnInitDialog();
    function_->AddItem(FunctionName(type_), type_);
    function_->SetCurSel(0);
    ShowControlsFor(type_);
    PresetFromStored();
    // Keys reach the key field as keys, never composed by an input method.
    if (QWidget* window = View()) {
        window->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    return 1;
}

void MouseKeyConfigDlg::ShowControlsFor(int type) {
    title_->SetTitle(FunctionTitle(type));
    const bool key = type == kFnKey;
    const bool list = type == kFnMacro || type == kFnMultimedia || type == kFnSystem;
    keyField_->SetVisible(key);
    keyField_->SetTitle({});
    for (CCheckButton* box : {shift_, ctrl_, win_, alt_}) {
        box->SetVisible(key);
    }
    values_->SetVisible(list);
    if (list) {
        FillValueList(*values_, type, store_);
    }
    emoji_->SetVisible(type == kFnEmoji);
}

void MouseKeyConfigDlg::PresetFromStored() {
    KeyAssignment stored;
    if (!store_.GetKeyAssignment(profile_, keyCode_, stored) || stored.macro_type != type_) {
        return;
    }
    switch (type_) {
        case kFnKey:
            keyField_->SetTitle(UsageName(stored.macro_value));
            pending_ = Pending::StoredUsage;
            pendingCode_ = stored.macro_value;
            ctrl_->SetCheck(stored.macro_value2 & kModCtrl);
            shift_->SetCheck(stored.macro_value2 & kModShift);
            alt_->SetCheck(stored.macro_value2 & kModAlt);
            win_->SetCheck(stored.macro_value2 & kModWin);
            break;
        case kFnMacro:
        case kFnMultimedia:
        case kFnSystem:
            values_->SelectData(stored.macro_value);
            break;
        case kFnEmoji:
            emoji_->SetCurSel(stored.macro_value - 1);
            break;
        default:
            break;
    }
}

int MouseKeyConfigDlg::OnMessage(int controlId, int event, std::intptr_t) {
    switch (controlId) {
        case kClose:
            if (event == kEventClick) {
                DoCancel();
            }
            return 1;
        case kFunction:
            if (event == kEventClick) {
                ShowControlsFor(function_->GetCurData());
            }
            return 1;
        case kKeyField:
            if (event == kEventFocusIn && type_ == kFnKey) {
                BeginKeyCapture();
            } else if (event == kEventEditDone) {
                EndKeyCapture();
            }
            return 1;
        case kOk:
            if (event == kEventClick) {
                Confirm();
            }
            return 1;
        default:
            return 0;
    }
}

void MouseKeyConfigDlg::BeginKeyCapture() {
    pending_ = Pending::None;
    pendingCode_ = 0;
    keyField_->SetTitle({});
    QLineEdit* field = KeyLineEdit();
    if (field != nullptr && !capture_) {
        capture_ = std::make_unique<KeyCapture>(*field,
                                                [this](const PressedKey& key) { KeyPressed(key); });
    }
}

QLineEdit* MouseKeyConfigDlg::KeyLineEdit() const {
    return keyField_->View() != nullptr ? keyField_->View()->findChild<QLineEdit*>() : nullptr;
}

void MouseKeyConfigDlg::EndKeyCapture() {
    capture_.reset();
}

void MouseKeyConfigDlg::KeyPressed(const PressedKey& key) {
    // Modifiers are the check boxes' business; a key without a keyboard usage cannot be assigned.
    if (IsModifierVirtualKey(key.virtualKey) || UsageOfVirtualKey(key.virtualKey) == 0) {
        return;
    }
    CapturedKey captured = CapturedKeyName(key.virtualKey, 0, false, key.layoutName);
    pending_ = Pending::CapturedKey;
    pendingCode_ = captured.code;
    keyField_->SetTitle(captured.name);
}

bool MouseKeyConfigDlg::BuildAssignment(int& value, int& value2, std::string& callerText) const {
    switch (type_) {
        case kFnKey: {
            value = pending_ == Pending::StoredUsage   ? pendingCode_
                    : pending_ == Pending::CapturedKey ? UsageOfVirtualKey(pendingCode_)
                                                       : 0;
            value2 = (shift_->GetCheck() ? kModShift : 0) | (ctrl_->GetCheck() ? kModCtrl : 0) |
                     (win_->GetCheck() ? kModWin : 0) | (alt_->GetCheck() ? kModAlt : 0);
            callerText = ShortcutText(value2, keyField_->GetTitle());
            return true;
        }
        case kFnMacro:
        case kFnMultimedia:
        case kFnSystem:
            // An empty list (no macro yet) has nothing to assign.
            value = values_->GetCurData();
            callerText = values_->GetShowText();
            return value > 0;
        case kFnEmoji: {
            const int selected = emoji_->GetCurSel();
            value = emoji_->GetItemData(selected);
            callerText = emoji_->GetItemText(selected);
            return selected >= 0;
        }
        default:
            return false;
    }
}

void MouseKeyConfigDlg::Confirm() {
    KeyAssignment record;
    record.profile = profile_;
    record.key_code = keyCode_;
    record.macro_type = type_;
    std::string callerText;
    if (BuildAssignment(record.macro_value, record.macro_value2, callerText)) {
        record.macro_desc = DescribeAssignment(record, callerText, WindowLanguage());
        store_.SaveKeyAssignment(record);
    }
    EndKeyCapture();
    DoOK();
}

}  // namespace quillon
