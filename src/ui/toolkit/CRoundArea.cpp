#include "ui/toolkit/CRoundArea.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CRoundArea::SetColor(std::uint32_t argb) {
    {
        auto lock = Lock();
        color_ = argb;
    }
    Changed();
}

std::uint32_t CRoundArea::GetColor() const {
    auto lock = Lock();
    return color_;
}

void CRoundArea::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    std::string title;
    TextStyle style;
    std::uint32_t color = 0;
    {
        auto lock = Lock();
        image = image_;
        title = title_;
        style = TextStyleLocked();
        color = color_;
    }
    QRect all(0, 0, state.width, state.height);
    if (!skin::DrawFramedImage(painter, image, 12, all)) {
        skin::FillRounded(painter, QRectF(all), skin::Color(color), Qt::transparent, 12);
    }
    style.valign = kVAlignTop;
    skin::DrawText(painter, all.adjusted(18, 12, -18, -12), title, style);
}

}  // namespace quillon
