#include "ui/toolkit/CSwitchButton.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CSwitchButton::SetSwitchImages(const std::string& on, const std::string& off, int states) {
    {
        auto lock = Lock();
        onImage_ = on;
        offImage_ = off;
        states_ = states;
    }
    Changed();
}

void CSwitchButton::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    int states = 1;
    bool checked = false;
    {
        auto lock = Lock();
        checked = checked_;
        image = checked ? onImage_ : offImage_;
        states = states_;
    }
    int height = std::min(state.height, 24);
    QRect track(0, (state.height - height) / 2, std::min(state.width, height * 2), height);
    if (skin::DrawImage(painter, image, states, ImageState(state), track)) {
        return;
    }
    QColor fill = skin::Color(!state.enabled ? skin::kBorder
                              : checked      ? skin::kAccent
                                             : skin::kHover);
    skin::FillRounded(painter, QRectF(track), fill, Qt::transparent, height / 2.0);
    int knob = height - 6;
    int x = checked ? track.right() - 2 - knob : track.left() + 3;
    skin::FillRounded(painter, QRectF(x, track.top() + 3, knob, knob), QColor(Qt::white),
                      Qt::transparent, knob / 2.0);
}

}  // namespace quillon
