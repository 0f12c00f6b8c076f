#include "ui/toolkit/MButton.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

MButton::MButton() {
    textStyle_.align = kAlignCenter;
}

void MButton::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    std::string title;
    TextStyle style;
    int states = 4;
    {
        auto lock = Lock();
        image = image_;
        title = title_;
        style = TextStyleLocked();
        states = states_;
    }
    QRect all(0, 0, state.width, state.height);
    if (!skin::DrawImage(painter, image, states, ImageState(state), all)) {
        std::uint32_t fill = skin::kAccent;
        if (!state.enabled) {
            fill = skin::kBorder;
        } else if (state.pressed) {
            fill = skin::kAccentPressed;
        } else if (state.hover) {
            fill = 0xFF4A9CF0;
        }
        skin::FillRounded(painter, QRectF(all), skin::Color(fill), Qt::transparent, 6);
    }
    skin::DrawText(painter, all.adjusted(6, 0, -6, 0), title, style);
}

bool MButton::OnKey(Key key) {
    if (key != Key::Enter && key != Key::Space) {
        return false;
    }
    Notify(kEventClick);
    return true;
}

void MButton::OnRelease(const PointerEvent& event) {
    if (event.inside && !event.right) {
        Notify(kEventClick);
    }
}

}  // namespace quillon
