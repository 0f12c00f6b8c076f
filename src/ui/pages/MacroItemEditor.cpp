#include "ui/pages/MacroItemEditor.h"

#include "input/FunctionCatalogue.h"
#include "input/MacroItemList.h"
#include "input/MacroItems.h"
#include "platform/LanguageTable.h"
#include "platform/NumberText.h"
#include "ui/pages/MacroPageIds.h"
#include "ui/pages/PageGrid.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/PageTexts.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MEdit.h"
#include "ui/toolkit/MText.h"

namespace quillon {

using namespace macro_ids;

namespace {

// The mouse-button list: button function type and text.
struct ButtonEntry {
    int functionType;
    int textId;
};
constexpr ButtonEntry kButtons[] = {
    {kFnLeftClick, 121}, {kFnRightClick, 122}, {kFnMiddleClick, 123}, {kFnForward, 124},
    {kFnBackward, 125},  {kFnWheelUp, 127},    {kFnWheelDown, 128}};

int KindTextId(int data) {
    switch (data) {
        case kKindMouse:
            return 393;
        case kKindKey:
            return 394;
        case kKindPause:
            return 395;
        case kItemMoveUp:
            return 408;
        case kItemMoveDown:
            return 409;
        case kItemMoveLeft:
            return 406;
        case kItemMoveRight:
            return 407;
        default:
            return 0;
    }
}

// The button function type a mouse item shows as.
int FunctionTypeOfMouseItem(const MacroItem& item) {
    if (item.desc.find(kScrollUpName) != std::string::npos) {
        return kFnWheelUp;
    }
    if (item.desc.find(kScrollDownName) != std::string::npos) {
        return kFnWheelDown;
    }
    switch (item.value) {
        case kMouseRight:
            return kFnRightClick;
        case kMouseMiddle:
            return kFnMiddleClick;
        case kMouseForward:
            return kFnForward;
        case kMouseBackward:
            return kFnBackward;
        default:
            return kFnLeftClick;
    }
}

// The key name of a key item: its text after the arrow and its two blanks.
std::string KeyNameOfItem(const MacroItem& item) {
    const std::string prefix = item.type == kItemKeyDown ? kArrowDown : kArrowUp;
    return item.desc.starts_with(prefix) ? item.desc.substr(prefix.size()) : item.desc;
}

int FieldNumber(const MEdit& field) {
    return ParseLeadingInt(field.GetTitle());
}

}  // namespace

void MacroItemEditor::Build(PageHost& host, MControl& area, const PageTexts& texts) {
    MDialog& dialog = host.Dialog();
    kindLabel_ = dialog.CreateControl<MText>(kKindLabel, {}, {}, &area);
    texts.title(*kindLabel_, 391);
    kindBox = dialog.CreateControl<MComboBox>(kKindBox, {}, {}, &area);
    valueLabel_ = dialog.CreateControl<MText>(kValueLabel, {}, {}, &area);
    texts.title(*valueLabel_, 392);
    valueField = dialog.CreateControl<MEdit>(kValueField, {}, {}, &area);
    buttonBox = dialog.CreateControl<MComboBox>(kButtonBox, {}, {}, &area);
    for (const ButtonEntry& entry : kButtons) {
        texts.item(*buttonBox, buttonBox->AddItem({}, entry.functionType), entry.textId);
    }
    moveButtons_[0] = dialog.CreateControl<MButton>(kMoveUp, {}, "img_recorditem_up.png", &area);
    moveButtons_[1] =
        dialog.CreateControl<MButton>(kMoveDown, {}, "img_recorditem_down.png", &area);
    // The arrows stand in when the skin has no images for them.
    moveButtons_[0]->SetTitle("↑");
    moveButtons_[1]->SetTitle("↓");
    texts.tooltip(*moveButtons_[0], 401);
    texts.tooltip(*moveButtons_[1], 402);

    xLabel_ = dialog.CreateControl<MText>(kXLabel, {}, {}, &area);
    xLabel_->SetTitle("X:");
    yLabel_ = dialog.CreateControl<MText>(kYLabel, {}, {}, &area);
    yLabel_->SetTitle("Y:");
    constexpr int kDirectionIds[4] = {kLeft, kRight, kUp, kDown};
    constexpr int kDirectionTexts[4] = {411, 412, 413, 414};
    for (int i = 0; i < 4; ++i) {
        direction[i] = dialog.CreateControl<CRadioButton>(kDirectionIds[i], {}, {}, &area);
        direction[i]->SetGroupName(i < 2 ? "IDC_MACRO_MOVE_STC_X" : "IDC_MACRO_MOVE_STC_Y");
        texts.title(*direction[i], kDirectionTexts[i]);
        texts.tooltip(*direction[i], kDirectionTexts[i]);
    }
    xField = dialog.CreateControl<MEdit>(kXField, {}, {}, &area);
    yField = dialog.CreateControl<MEdit>(kYField, {}, {}, &area);
    for (MEdit* field : {xField, yField}) {
        field->SetNumberOnly(true);
        field->SetLimitText(3);
    }
    Hide();
}

void MacroItemEditor::Place(const PageGrid& g) {
    constexpr int x = 740;
    constexpr int r = 1083;
    kindLabel_->SetRect(g.At(x, 472, x + 110, 506));
    kindBox->SetRect(g.At(x + 116, 472, r, 506));
    valueLabel_->SetRect(g.At(x, 518, x + 110, 552));
    valueField->SetRect(g.At(x + 116, 518, r, 552));
    buttonBox->SetRect(g.At(x + 116, 518, r, 552));
    moveButtons_[0]->SetRect(g.At(636, 552, 674, 588));
    moveButtons_[1]->SetRect(g.At(682, 552, 720, 588));

    xLabel_->SetRect(g.At(x, 472, x + 28, 506));
    direction[0]->SetRect(g.At(x + 32, 472, x + 132, 506));
    direction[1]->SetRect(g.At(x + 136, 472, x + 236, 506));
    xField->SetRect(g.At(x + 244, 472, r, 506));
    yLabel_->SetRect(g.At(x, 518, x + 28, 552));
    direction[2]->SetRect(g.At(x + 32, 518, x + 132, 552));
    direction[3]->SetRect(g.At(x + 136, 518, x + 236, 552));
    yField->SetRect(g.At(x + 244, 518, r, 552));
}

void MacroItemEditor::Hide() {
    for (MControl* control : {kindLabel_, static_cast<MControl*>(kindBox), valueLabel_,
                              static_cast<MControl*>(valueField), static_cast<MControl*>(buttonBox),
                              moveButtons_[0], moveButtons_[1]}) {
        control->SetVisible(false);
    }
    ShowMoveEditor(false);
}

void MacroItemEditor::ShowMoveEditor(bool shown) {
    for (MControl* control :
         {xLabel_, yLabel_, static_cast<MControl*>(xField), static_cast<MControl*>(yField)}) {
        control->SetVisible(shown);
    }
    for (CRadioButton* choice : direction) {
        choice->SetVisible(shown);
    }
}

void MacroItemEditor::SetKind(int data) {
    kindBox->DelAllItems();
    kindBox->AddItem(GetText(KindTextId(data)), data);
    kindBox->SetCurSel(0);
}

void MacroItemEditor::ApplyTexts() {
    if (kindBox->GetCount() > 0) {
        kindBox->SetItemText(0, GetText(KindTextId(kindBox->GetItemData(0))));
    }
}

// Shows the value editor of a kind: a digits field, the key field or the mouse-button list.
void MacroItemEditor::ApplyKind(int data, const std::string& value) {
    const bool mouse = data == kKindMouse;
    valueField->SetVisible(!mouse);
    buttonBox->SetVisible(mouse);
    const bool key = data == kKindKey;
    valueField->SetNumberOnly(!key);
    valueField->SetLimitText(key ? 10 : 5);
    valueField->SetHint(key ? GetText(385) : std::string());
    valueField->SetTitle(value);
}

void MacroItemEditor::ShowFor(const MacroItem& item) {
    Hide();
    if (item.type == kItemMoveXY) {
        ShowMoveEditor(true);
        const MoveOnBothAxes move = MoveOnBothAxes::FromValue(item.value);
        direction[0]->SetCheck(move.left);
        direction[1]->SetCheck(!move.left);
        direction[2]->SetCheck(move.up);
        direction[3]->SetCheck(!move.up);
        xField->SetTitle(std::to_string(move.x));
        yField->SetTitle(std::to_string(move.y));
        return;
    }
    for (MControl* control : {kindLabel_, static_cast<MControl*>(kindBox), valueLabel_,
                              moveButtons_[0], moveButtons_[1]}) {
        control->SetVisible(true);
    }
    switch (item.type) {
        case kItemPause:
            SetKind(kKindPause);
            ApplyKind(kKindPause, std::to_string(item.value));
            break;
        case kItemKeyDown:
        case kItemKeyUp:
            SetKind(kKindKey);
            ApplyKind(kKindKey, KeyNameOfItem(item));
            break;
        case kItemMouseDown:
        case kItemMouseUp:
            SetKind(kKindMouse);
            ApplyKind(kKindMouse, {});
            buttonBox->SelectData(FunctionTypeOfMouseItem(item));
            break;
        case kItemMoveUp:
        case kItemMoveDown:
        case kItemMoveLeft:
        case kItemMoveRight:
            SetKind(item.type);
            ApplyKind(item.type, std::to_string(item.value));
            break;
        default:
            // Wheel steps have no editor of their own: an empty field, the kind left as it was.
            valueField->SetVisible(true);
            valueField->SetTitle({});
            break;
    }
}

void MacroItemEditor::ShowCapturedKey(const std::string& name) {
    valueField->SetTitle(name);
}

MacroItemEditor::Result MacroItemEditor::ChangeMove(bool fromDirection, MacroItemList& list) {
    MoveOnBothAxes move;
    move.left = direction[0]->GetCheck();
    move.up = direction[2]->GetCheck();
    move.x = FieldNumber(*xField);
    move.y = FieldNumber(*yField);
    move = fromDirection ? LimitMoveOnDirection(move) : LimitMoveOnDistance(move);
    xField->SetTitle(std::to_string(move.x));
    yField->SetTitle(std::to_string(move.y));
    list.ChangeMove(move);
    return Result::Changed;
}

MacroItemEditor::Result MacroItemEditor::OnMessage(int controlId, int event, MacroItemList& list) {
    const int kind = kindBox->GetCurData();
    switch (controlId) {
        case kKindBox:
            if (event == kEventClick) {
                ApplyKind(kind, kind == kKindPause ? "10" : "");
            }
            return Result::Handled;
        case kValueField:
            if (kind == kKindKey && event == kEventFocusIn) {
                valueField->SetTitle({});
                if (beginKeyCapture) {
                    beginKeyCapture();
                }
                return Result::Handled;
            }
            if (kind == kKindKey && event == kEventEditDone) {
                const CapturedKey key = endKeyCapture ? endKeyCapture() : CapturedKey{};
                if (key.name.empty()) {
                    // Leaving the field without pressing a key keeps the key it had.
                    if (list.Selection() >= 0) {
                        valueField->SetTitle(
                            KeyNameOfItem(list.Items()[static_cast<size_t>(list.Selection())]));
                    }
                    return Result::Handled;
                }
                list.ChangeKey(key);
                return Result::Changed;
            }
            if (kind == kKindPause && event == kEventEditDone) {
                const int pause = LimitItemPause(FieldNumber(*valueField));
                valueField->SetTitle(std::to_string(pause));
                list.ChangePause(pause);
                return Result::Changed;
            }
            return Result::Handled;
        case kButtonBox:
            if (event != kEventClick) {
                return Result::Handled;
            }
            list.ChangeMouseButton(buttonBox->GetCurData());
            return Result::Changed;
        case kLeft:
        case kRight:
        case kUp:
        case kDown:
            return event == kEventClick ? ChangeMove(true, list) : Result::Handled;
        case kXField:
        case kYField:
            return event == kEventEditDone ? ChangeMove(false, list) : Result::Handled;
        default:
            return Result::NotMine;
    }
}

void MacroItemEditor::SetLocked(bool locked) {
    for (MControl* control : {static_cast<MControl*>(kindBox), static_cast<MControl*>(valueField),
                              static_cast<MControl*>(buttonBox), static_cast<MControl*>(xField),
                              static_cast<MControl*>(yField), moveButtons_[0], moveButtons_[1]}) {
        control->SetEnabled(!locked);
    }
    for (CRadioButton* choice : direction) {
        choice->SetEnabled(!locked);
    }
}

}  // namespace quillon
