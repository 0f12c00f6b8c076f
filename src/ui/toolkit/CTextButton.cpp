#include "ui/toolkit/CTextButton.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CTextButton::Paint(QPainter& painter, const ViewState& state) {
    std::string title;
    TextStyle style;
    {
        auto lock = Lock();
        title = title_;
        style = TextStyleLocked();
    }
    if (state.hover && state.enabled) {
        style.color = skin::kAccent;
    }
    QFont font = skin::Font(style.fontName, style.fontSize);
    font.setUnderline(state.hover);
    painter.setFont(font);
    painter.setPen(skin::Color(style.color));
    Qt::Alignment align = (style.align & kAlignCenter)  ? Qt::AlignHCenter
                          : (style.align & kAlignRight) ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    painter.drawText(QRect(0, 0, state.width, state.height),
                     static_cast<int>(align | Qt::AlignVCenter), QString::fromStdString(title));
}

}  // namespace quillon
