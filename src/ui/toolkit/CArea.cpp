#include "ui/toolkit/CArea.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CArea::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    std::string title;
    TextStyle style;
    {
        auto lock = Lock();
        image = image_;
        title = title_;
        style = TextStyleLocked();
    }
    QRect all(0, 0, state.width, state.height);
    if (!skin::DrawFramedImage(painter, image, 8, all)) {
        skin::FillRounded(painter, QRectF(all), Qt::transparent, skin::Color(skin::kBorder), 6);
    }
    style.valign = kVAlignTop;
    skin::DrawText(painter, all.adjusted(14, 10, -14, -10), title, style);
}

}  // namespace quillon
