#include "ui/toolkit/CRecordList.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void CRecordList::SetItemIcon(const std::string& name) {
    {
        auto lock = Lock();
        icon_ = name;
    }
    Changed();
}

void CRecordList::PaintRow(QPainter& painter, const QRect& row, const ListItem& item, bool,
                           const TextStyle& style) {
    std::string icon;
    {
        auto lock = Lock();
        icon = icon_;
    }
    QRect mark(row.left() + 10, row.center().y() - 8, 16, 16);
    if (!skin::DrawImage(painter, icon, 1, 0, mark)) {
        // Pauses, keys and mouse steps get a dot of their own colour.
        static const std::uint32_t kTypeColors[] = {0xFF6F879D, 0xFFE3B341, 0xFF4CC38A,
                                                    0xFF4CC38A, 0xFF2F8CEB, 0xFF2F8CEB};
        std::uint32_t color = item.type >= 0 && item.type < 6 ? kTypeColors[item.type] : 0xFFB07CE8;
        skin::FillRounded(painter, QRectF(mark).adjusted(4, 4, -4, -4), skin::Color(color),
                          Qt::transparent, 4);
    }
    skin::DrawText(painter,
                   QRect(mark.right() + 10, row.top(), row.width() - mark.right() - 10 - kMoreWidth,
                         row.height()),
                   item.text, style);
}

}  // namespace quillon
