#include "ui/toolkit/CRadioButton.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CRadioButton::PaintMark(QPainter& painter, const QRect& box, bool checked,
                             const ViewState& state) {
    std::string image;
    int states = 2;
    {
        auto lock = Lock();
        image = image_;
        states = states_;
    }
    if (skin::DrawImage(painter, image, states, checked ? 1 : 0, box)) {
        return;
    }
    QColor ring = skin::Color(checked || state.hover ? skin::kAccent : skin::kMuted);
    skin::FillRounded(painter, QRectF(box), skin::Color(skin::kField), ring, box.width() / 2.0);
    if (checked) {
        QRectF dot = QRectF(box).adjusted(box.width() * 0.27, box.height() * 0.27,
                                          -box.width() * 0.27, -box.height() * 0.27);
        skin::FillRounded(painter, dot, skin::Color(skin::kAccent), Qt::transparent,
                          dot.width() / 2);
    }
}

}  // namespace quillon
