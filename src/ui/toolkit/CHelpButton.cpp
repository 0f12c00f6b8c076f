#include "ui/toolkit/CHelpButton.h"

#include <QPainter>
#include <QToolTip>
#include <QWidget>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CHelpButton::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    int states = 4;
    {
        auto lock = Lock();
        image = image_;
        states = states_;
    }
    QRect all(0, 0, state.width, state.height);
    if (!skin::DrawImage(painter, image, states, ImageState(state), all)) {
        skin::DrawGlyph(painter, QRectF(all), skin::Glyph::Help,
                        skin::Color(state.hover ? skin::kAccent : skin::kMuted));
    }
}

void CHelpButton::OnRelease(const PointerEvent& event) {
    if (event.inside && !event.right && View() != nullptr) {
        QToolTip::showText(View()->mapToGlobal(QPoint(event.x, event.y)),
                           QString::fromStdString(GetTooltip()), View());
    }
    MButton::OnRelease(event);
}

}  // namespace quillon
