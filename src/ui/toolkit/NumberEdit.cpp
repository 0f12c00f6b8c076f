#include "ui/toolkit/NumberEdit.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

NumberEdit::NumberEdit() {
    SetNumberOnly(true);
}

void NumberEdit::SetRange(int minimum, int maximum) {
    auto lock = Lock();
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
}

int NumberEdit::GetValue() const {
    std::string text = GetTitle();
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 99999999) {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

void NumberEdit::SetValue(int value) {
    SetTitle(std::to_string(value));
}

void NumberEdit::OnRelease(const PointerEvent& event) {
    MRect rect = GetRect();
    if (!event.inside || event.right || event.x < rect.Width() - kArrowWidth - 4) {
        return;
    }
    int step = event.y < rect.Height() / 2 ? 1 : -1;
    int value = GetValue() + step;
    {
        auto lock = Lock();
        value = std::clamp(value, minimum_, maximum_);
    }
    SetValue(value);
    Notify(kEventClick);
}

void NumberEdit::Paint(QPainter& painter, const ViewState& state) {
    MEdit::Paint(painter, state);
    QColor ink = skin::Color(state.enabled ? kColorText : skin::kMuted);
    int x = state.width - kArrowWidth - 4;
    skin::DrawGlyph(painter, QRectF(x, 2, kArrowWidth, state.height / 2.0 - 2), skin::Glyph::Up,
                    ink);
    skin::DrawGlyph(painter, QRectF(x, state.height / 2.0, kArrowWidth, state.height / 2.0 - 2),
                    skin::Glyph::Down, ink);
}

}  // namespace quillon
