#include "ui/toolkit/MEdit.h"

#include <QPainter>

#include "ui/toolkit/EditField.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {

MEdit::~MEdit() {
    if (field_ != nullptr) {
        field_->Disconnect();
    }
}

void MEdit::SetNumberOnly(bool digitsOnly) {
    {
        auto lock = Lock();
        digitsOnly_ = digitsOnly;
    }
    Changed();
}

void MEdit::SetLimitText(int characters) {
    {
        auto lock = Lock();
        limit_ = characters;
    }
    Changed();
}

void MEdit::SetHint(const std::string& hint) {
    {
        auto lock = Lock();
        hint_ = hint;
    }
    Changed();
}

std::string MEdit::GetHint() const {
    auto lock = Lock();
    return hint_;
}

void MEdit::SetReadOnly(bool readOnly) {
    {
        auto lock = Lock();
        readOnly_ = readOnly;
    }
    Changed();
}

void MEdit::SetFocus() {
    if (field_ != nullptr) {
        field_->setFocus(Qt::OtherFocusReason);
    }
}

void MEdit::Typed(const std::string& text) {
    {
        auto lock = Lock();
        title_ = text;
    }
    Notify(kEventChanging);
}

void MEdit::BuildView(QWidget& view) {
    field_ = new EditField(&view);
    field_->onTyped = [this](const std::string& text) { Typed(text); };
    field_->onDone = [this] { Notify(kEventEditDone); };
    field_->onFocusIn = [this] { Notify(kEventFocusIn); };
}

void MEdit::LayoutView(int width, int height) {
    if (field_ != nullptr) {
        field_->setGeometry(8, 2, std::max(0, width - 16 - RightMargin()), std::max(0, height - 4));
    }
}

void MEdit::SyncView() {
    if (field_ == nullptr) {
        return;
    }
    std::string title;
    std::string hint;
    TextStyle style;
    bool digitsOnly = false;
    bool readOnly = false;
    int limit = 0;
    {
        auto lock = Lock();
        title = title_;
        hint = hint_;
        style = TextStyleLocked();
        digitsOnly = digitsOnly_;
        readOnly = readOnly_;
        limit = limit_;
    }
    field_->SetTextStyle(style.fontName, style.fontSize, style.color);
    field_->SetDigitsOnly(digitsOnly);
    field_->setMaxLength(limit > 0 ? limit : 32767);
    field_->setReadOnly(readOnly);
    field_->setPlaceholderText(QString::fromStdString(hint));
    field_->setAlignment((style.align & kAlignCenter) ? Qt::AlignCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
    field_->Show(title);
}

void MEdit::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    int states = 1;
    {
        auto lock = Lock();
        image = image_;
        states = states_;
    }
    QRect all(0, 0, state.width, state.height);
    bool focused = field_ != nullptr && field_->hasFocus();
    if (!skin::DrawImage(painter, image, states, ImageState(state), all)) {
        skin::FillRounded(painter, QRectF(all),
                          skin::Color(state.enabled ? skin::kField : kColorCard),
                          skin::Color(focused ? skin::kAccent : skin::kBorder), 6);
    }
}

}  // namespace quillon
