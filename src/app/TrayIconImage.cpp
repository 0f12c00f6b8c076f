#include "app/TrayIconImage.h"

#include <QPainter>
#include <QPainterPath>

namespace quillon {

QPixmap DrawTrayIconImage(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF body(s * 0.22, s * 0.06, s * 0.56, s * 0.88);
    const qreal pen = qMax<qreal>(1.0, s / 16.0);

    // Light body with a dark rim, so the mark reads on dark and light panels alike.
    QPainterPath shape;
    shape.addRoundedRect(body, body.width() * 0.5, body.width() * 0.5);
    painter.fillPath(shape, QColor(0xE8, 0xF1, 0xFA));
    painter.setPen(QPen(QColor(0x1F, 0x2C, 0x37), pen));
    painter.drawPath(shape);

    // The buttons' seam and the line under them.
    const qreal buttonsBottom = body.top() + body.height() * 0.42;
    painter.drawLine(QPointF(body.center().x(), body.top()),
                     QPointF(body.center().x(), buttonsBottom));
    painter.drawLine(QPointF(body.left(), buttonsBottom), QPointF(body.right(), buttonsBottom));

    // The wheel, in the accent colour.
    const QRectF wheel(body.center().x() - s * 0.06, body.top() + body.height() * 0.12, s * 0.12,
                       body.height() * 0.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2E, 0x8B, 0xF0));
    painter.drawRoundedRect(wheel, wheel.width() / 2, wheel.width() / 2);
    return pixmap;
}

QIcon TrayIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        icon.addPixmap(DrawTrayIconImage(size));
    }
    return icon;
}

}  // namespace quillon
