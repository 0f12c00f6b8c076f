#include "ui/toolkit/MSlider.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void MSlider::SetRange(int minimum, int maximum) {
    {
        auto lock = Lock();
        minimum_ = std::min(minimum, maximum);
        maximum_ = std::max(minimum, maximum);
        position_ = std::clamp(position_, minimum_, maximum_);
    }
    Changed();
}

int MSlider::GetRangeMin() const {
    auto lock = Lock();
    return minimum_;
}

int MSlider::GetRangeMax() const {
    auto lock = Lock();
    return maximum_;
}

void MSlider::SetProgress(int position) {
    {
        auto lock = Lock();
        position_ = std::clamp(position, minimum_, maximum_);
    }
    Changed();
}

int MSlider::GetProgress() const {
    auto lock = Lock();
    return position_;
}

int MSlider::PositionAt(int x, int width) const {
    auto lock = Lock();
    int margin = TrackMargin(rect_.Height());
    int length = std::max(1, width - 2 * margin);
    double fraction = std::clamp(static_cast<double>(x - margin) / length, 0.0, 1.0);
    return minimum_ + static_cast<int>(fraction * (maximum_ - minimum_) + 0.5);
}

void MSlider::MoveTo(int position) {
    if (position != GetProgress()) {
        SetProgress(position);
        Notify(kEventChanging);
    }
}

void MSlider::OnPress(const PointerEvent& event) {
    if (event.right) {
        return;
    }
    dragging_ = true;
    MoveTo(PositionAt(event.x, GetRect().Width()));
}

void MSlider::OnPointerMove(const PointerEvent& event) {
    if (dragging_) {
        MoveTo(PositionAt(event.x, GetRect().Width()));
    }
}

void MSlider::OnRelease(const PointerEvent& event) {
    if (dragging_ && !event.right) {
        dragging_ = false;
        Notify(kEventClick);
    }
}

void MSlider::OnWheel(int steps) {
    int before = GetProgress();
    SetProgress(before + steps);
    if (GetProgress() != before) {
        Notify(kEventChanging);
        Notify(kEventClick);
    }
}

void MSlider::Paint(QPainter& painter, const ViewState& state) {
    int minimum = 0;
    int maximum = 1;
    int position = 0;
    {
        auto lock = Lock();
        minimum = minimum_;
        maximum = maximum_;
        position = position_;
    }
    int margin = TrackMargin(state.height);
    int length = std::max(1, state.width - 2 * margin);
    double fraction =
        maximum > minimum ? static_cast<double>(position - minimum) / (maximum - minimum) : 0;
    int knobX = margin + static_cast<int>(fraction * length);
    int trackHeight = 4;
    QRectF track(margin, (state.height - trackHeight) / 2.0, length, trackHeight);
    skin::FillRounded(painter, track, skin::Color(skin::kBorder), Qt::transparent, 2);
    skin::FillRounded(painter, QRectF(track.left(), track.top(), knobX - margin, trackHeight),
                      skin::Color(state.enabled ? skin::kAccent : skin::kMuted), Qt::transparent,
                      2);
    int knob = std::min(16, state.height);
    skin::FillRounded(painter, QRectF(knobX - knob / 2.0, (state.height - knob) / 2.0, knob, knob),
                      QColor(Qt::white), skin::Color(skin::kAccent), knob / 2.0);
}

}  // namespace quillon
