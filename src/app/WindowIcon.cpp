#include "app/WindowIcon.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

#include "ui/toolkit/Manager.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

QPixmap DrawnIcon(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF box(0.5, 0.5, side - 1.0, side - 1.0);
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, QColor(0x1F, 0x2C, 0x37));
    fill.setColorAt(1, QColor(0x0F, 0x16, 0x1E));
    painter.setPen(QPen(skin::Color(skin::kBorder), std::max(1.0, side / 48.0)));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, side * 0.22, side * 0.22);
    QPointF centre(side * 0.47, side * 0.47);
    double radius = side * 0.22;
    painter.setPen(QPen(skin::Color(skin::kAccent), side * 0.09, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.drawLine(centre + QPointF(radius * 0.55, radius * 0.55),
                     centre + QPointF(radius * 1.3, radius * 1.3));
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QString file = QString::fromStdString(Manager::ImagePath("app_icon.png"));
    if (!file.isEmpty() && QFileInfo::exists(file)) {
        return QIcon(file);
    }
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128}) {
        icon.addPixmap(DrawnIcon(side));
    }
    return icon;
}

}  // namespace quillon
