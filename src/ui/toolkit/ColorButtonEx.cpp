#include "ui/toolkit/ColorButtonEx.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

ColorButtonEx::ColorButtonEx() {
    textStyle_.align = kAlignCenter;
}

void ColorButtonEx::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    std::string title;
    TextStyle style;
    bool checked = false;
    int states = 4;
    {
        auto lock = Lock();
        image = image_;
        title = title_;
        style = TextStyleLocked();
        checked = checked_;
        states = states_;
    }
    QRect all(0, 0, state.width, state.height);
    if (!skin::DrawImage(painter, image, states, checked ? 2 : ImageState(state), all)) {
        QColor fill = skin::Color(checked       ? skin::kAccent
                                  : state.hover ? skin::kHover
                                                : skin::kField);
        QColor border = skin::Color(checked ? skin::kAccent : skin::kBorder);
        skin::FillRounded(painter, QRectF(all), fill, border, state.height / 2.0);
    }
    if (checked && state.enabled) {
        style.color = kColorWhite;
    }
    skin::DrawText(painter, all.adjusted(4, 0, -4, 0), title, style);
}

}  // namespace quillon
