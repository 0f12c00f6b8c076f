#include "ui/toolkit/DPIControl.h"

#include <QPainter>

#include "ui/toolkit/EditField.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

constexpr int kMaxDigits = 5;

int ParseDigits(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 99999) {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

DPIControl::~DPIControl() {
    if (field_ != nullptr) {
        field_->Disconnect();
    }
}

void DPIControl::SetValue(int value) {
    {
        auto lock = Lock();
        value_ = value;
    }
    Changed();
}

int DPIControl::GetValue() const {
    auto lock = Lock();
    return value_;
}

void DPIControl::SetColor(std::uint32_t colorRef) {
    {
        auto lock = Lock();
        colorRef_ = colorRef;
    }
    Changed();
}

std::uint32_t DPIControl::GetColor() const {
    auto lock = Lock();
    return colorRef_;
}

void DPIControl::BuildView(QWidget& view) {
    field_ = new EditField(&view);
    field_->SetDigitsOnly(true);
    field_->setMaxLength(kMaxDigits);
    field_->setAlignment(Qt::AlignCenter);
    field_->onTyped = [this](const std::string& text) {
        {
            auto lock = Lock();
            value_ = ParseDigits(text);
        }
        Notify(kEventChanging);
    };
    field_->onDone = [this] { Notify(kEventEditDone); };
    // Clicking or tabbing into the value chooses the stage; the focus that lands here because a
    // window was activated or a page shown is no choice of the user's.
    field_->onFocusIn = [this] {
        Qt::FocusReason reason = field_->LastFocusReason();
        bool chosen = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                      reason == Qt::BacktabFocusReason;
        if (chosen && !GetCheck()) {
            SetCheck(true);
            Notify(kEventClick);
        }
    };
}

void DPIControl::LayoutView(int width, int height) {
    if (field_ != nullptr) {
        field_->setGeometry(8, height / 2, width - 16, height / 2 - 6);
    }
}

void DPIControl::SyncView() {
    if (field_ == nullptr) {
        return;
    }
    int value = 0;
    TextStyle style;
    {
        auto lock = Lock();
        value = value_;
        style = TextStyleLocked();
    }
    field_->SetTextStyle(style.fontName, style.fontSize + 2, kColorWhite);
    field_->Show(std::to_string(value));
}

void DPIControl::Paint(QPainter& painter, const ViewState& state) {
    std::string title;
    TextStyle style;
    bool checked = false;
    std::uint32_t colorRef = 0;
    {
        auto lock = Lock();
        title = title_;
        style = TextStyleLocked();
        checked = checked_;
        colorRef = colorRef_;
    }
    QRect all(0, 0, state.width, state.height);
    QColor stage(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                 static_cast<int>((colorRef >> 16) & 0xFF));
    QColor border = skin::Color(checked       ? skin::kAccent
                                : state.hover ? skin::kMuted
                                              : skin::kBorder);
    skin::FillRounded(painter, QRectF(all), skin::Color(checked ? skin::kHover : skin::kField),
                      border, 8);
    int dot = 10;
    skin::FillRounded(painter, QRectF(10, state.height / 4.0 - dot / 2.0, dot, dot), stage,
                      Qt::transparent, dot / 2.0);
    style.align = kAlignLeft;
    skin::DrawText(painter, QRect(26, 2, state.width - 30, state.height / 2 - 2), title, style);
    skin::FillRounded(painter, QRectF(8, state.height / 2.0 + 2, state.width - 16, 2), stage,
                      Qt::transparent, 1);
}

}  // namespace quillon
