#include "ui/MessageBox.h"

#include "platform/LanguageTable.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MText.h"

namespace quillon {
namespace {

constexpr int kWidth = 430;
constexpr int kHeight = 230;
constexpr int kButtonFont = 16;

MButton* AddButton(MDialog& dialog, int id, const MRect& rect, int textId, std::uint32_t color) {
    auto* button = dialog.CreateControl<MButton>(id, rect, "img_button.png");
    button->SetFontWidth(kButtonFont);
    button->SetTitle(GetText(textId));
    button->SetTextColor(color);
    return button;
}

}  // namespace

void CUIMessageBox::SetContent(const std::string& title, const std::string& message, int style) {
    title_ = title;
    message_ = message;
    style_ = style;
}

int CUIMessageBox::OnInitDialog() {
    MDialog::OnInitDialog();
    SetTopMost(true);
    return 1;
}

void CUIMessageBox::InitUI(int left, int, int right, int bottom) {
    SetLayeredWindow(true);
    auto* title = CreateControl<MText>(kTitleId, {20, 15, right - 20, 45});
    title->SetFontWidth(16);
    title->SetAlignment(kAlignCenter);
    title->SetTextColor(kColorText);
    title->SetTitle(title_);

    auto* message = CreateControl<MText>(kMessageId, {20, 50, right - 20, bottom - 50});
    message->SetFontWidth(16);
    message->SetVAlignment(kVAlignCenter);
    message->SetAlignment(kAlignCenter);
    message->SetTextColor(kColorText);
    message->SetTitle(message_);

    int top = bottom - 50;
    int lower = bottom - 14;
    if (style_ == kMessageBoxOk) {
        AddButton(*this, kOkButtonId, {60, top, right - 60, lower}, 20, kColorText);
    } else if (style_ == kMessageBoxConfirm) {
        int middle = (right - left) / 2;
        AddButton(*this, kOkButtonId, {middle - 120, top, middle - 20, lower}, 23, kColorWhite);
        AddButton(*this, kCancelButtonId, {middle + 20, top, middle + 120, lower}, 25, kColorWhite);
    }
}

int CUIMessageBox::OnMessage(int controlId, int event, std::intptr_t) {
    if (event != kEventClick) {
        return 0;
    }
    if (controlId == kOkButtonId) {
        DoOK();
        return 1;
    }
    if (controlId == kCancelButtonId) {
        DoCancel();
        return 1;
    }
    return 0;
}

int ShowMessageBox(MWindow* parent, const std::string& title, const std::string& message,
                   int style) {
    CUIMessageBox box;
    box.SetContent(title, message, style);
    box.LoadBKImage("bk_prompt.png");
    box.SetBackMode(1, 30);
    box.Create(parent, "MessageBox", kWsPopup | kWsVisible | kWsClipSiblings | kWsClipChildren,
               kWsExToolWindow, {0, 0, kWidth, kHeight});
    box.CenterWindow(nullptr);
    int result = box.ShowModal(kSwShowNormal);
    box.DestroyWindow();
    return result;
}

}  // namespace quillon
