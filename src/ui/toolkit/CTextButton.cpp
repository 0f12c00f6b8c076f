#include "ui/toolkit/CTextButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

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

MRect CTextButton::FocusRect(int width, int height) const {
    std::string title;
    TextStyle style;
    {
        auto lock = Lock();
        title = title_;
        style = textStyle_;
    }
    QFontMetrics metrics(skin::Font(style.fontName, style.fontSize));
    int textWidth = std::min(width, metrics.horizontalAdvance(QString::fromStdString(title)) + 16);
    int left = (style.align & kAlignCenter)  ? (width - textWidth) / 2
               : (style.align & kAlignRight) ? width - textWidth
                                             : 0;
    int textHeight = std::min(height, metrics.height() + 8);
    int top = (height - textHeight) / 2;
    return {left, top, left + textWidth, top + textHeight};
}

}  // namespace quillon
