#include "ui/toolkit/CDeviceState.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CDeviceState::Paint(QPainter& painter, const ViewState& state) {
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
        skin::FillRounded(painter, QRectF(all), skin::Color(skin::kField),
                          skin::Color(skin::kBorder), state.height / 2.0);
        skin::FillRounded(painter, QRectF(9, state.height / 2.0 - 3, 6, 6),
                          skin::Color(style.color), Qt::transparent, 3);
    }
    style.align = kAlignLeft;
    // A long status shrinks a little rather than lose its end.
    QRect text = all.adjusted(21, 0, -6, 0);
    style.fontSize = skin::FittingFontSize(title, style, text.width(), 11);
    skin::DrawText(painter, text, title, style);
}

}  // namespace quillon
