#include "ui/toolkit/CIconButton.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CIconButton::SetIcon(const std::string& name) {
    {
        auto lock = Lock();
        icon_ = name;
    }
    Changed();
}

std::string CIconButton::GetIcon() const {
    auto lock = Lock();
    return icon_;
}

void CIconButton::Paint(QPainter& painter, const ViewState& state) {
    std::string image;
    std::string icon;
    std::string title;
    TextStyle style;
    int states = 4;
    {
        auto lock = Lock();
        image = image_;
        icon = icon_;
        title = title_;
        style = TextStyleLocked();
        states = states_;
    }
    QRect all(0, 0, state.width, state.height);
    if (!skin::DrawImage(painter, image, states, ImageState(state), all)) {
        std::uint32_t fill = state.pressed ? skin::kBorder
                             : state.hover ? skin::kHover
                                           : skin::kField;
        skin::FillRounded(painter, QRectF(all), skin::Color(fill), skin::Color(skin::kBorder), 6);
    }
    int iconSide = std::min(18, state.height - 8);
    QFontMetrics metrics(skin::Font(style.fontName, style.fontSize));
    int textWidth = metrics.horizontalAdvance(QString::fromStdString(title));
    int left = std::max(6, (state.width - iconSide - 6 - textWidth) / 2);
    QRect iconRect(left, (state.height - iconSide) / 2, iconSide, iconSide);
    if (!skin::DrawImage(painter, icon, 1, 0, iconRect)) {
        skin::DrawGlyph(painter, QRectF(iconRect), skin::GlyphForImage(icon),
                        skin::Color(style.color));
    }
    style.align = kAlignLeft;
    skin::DrawText(
        painter, QRect(iconRect.right() + 7, 0, state.width - iconRect.right() - 10, state.height),
        title, style);
}

}  // namespace quillon
