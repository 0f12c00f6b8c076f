#include "ui/toolkit/DPISlider.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

DPISlider::DPISlider() {
    minimum_ = 1;
    maximum_ = 260;
    position_ = 16;
}

void DPISlider::SetThumbImage(const std::string& name) {
    {
        auto lock = Lock();
        thumbImage_ = name;
    }
    Changed();
}

void DPISlider::Paint(QPainter& painter, const ViewState& state) {
    int minimum = 0;
    int maximum = 1;
    int position = 0;
    std::string bar;
    std::string thumb;
    TextStyle style;
    {
        auto lock = Lock();
        minimum = minimum_;
        maximum = maximum_;
        position = position_;
        bar = image_;
        thumb = thumbImage_;
        style = TextStyleLocked();
    }
    int margin = TrackMargin(state.height);
    int length = std::max(1, state.width - 2 * margin);
    double fraction =
        maximum > minimum ? static_cast<double>(position - minimum) / (maximum - minimum) : 0;
    int knobX = margin + static_cast<int>(fraction * length);
    int trackY = state.height * 2 / 3;
    QRect track(margin, trackY - 3, length, 6);
    skin::FillRounded(painter, QRectF(track), skin::Color(skin::kBorder), Qt::transparent, 3);
    QRect filled(margin, trackY - 3, knobX - margin, 6);
    if (!skin::DrawImage(painter, bar, 1, 0, filled)) {
        skin::FillRounded(painter, QRectF(filled),
                          skin::Color(state.enabled ? skin::kAccent : skin::kMuted),
                          Qt::transparent, 3);
    }
    int knob = 16;
    skin::FillRounded(painter, QRectF(knobX - knob / 2.0, trackY - knob / 2.0, knob, knob),
                      QColor(Qt::white), skin::Color(skin::kAccent), knob / 2.0);
    QRect bubble(knobX - 28, 0, 56, std::max(16, trackY - knob / 2 - 4));
    if (!skin::DrawImage(painter, thumb, 1, 0, bubble)) {
        skin::FillRounded(painter, QRectF(bubble), skin::Color(skin::kHover), Qt::transparent, 5);
    }
    style.align = kAlignCenter;
    style.valign = kVAlignCenter;
    style.fontSize = std::min(style.fontSize, 13);
    skin::DrawText(painter, bubble, std::to_string(position * 100), style);
}

}  // namespace quillon
