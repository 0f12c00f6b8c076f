#include "ui/toolkit/BatteryCtrl.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

void BatteryCtrl::SetBatteryInfo(int level, int state) {
    {
        auto lock = Lock();
        level_ = std::clamp(level, 0, 100);
        state_ = state;
    }
    Changed();
}

int BatteryCtrl::GetBatteryLevel() const {
    auto lock = Lock();
    return level_;
}

int BatteryCtrl::GetBatteryState() const {
    auto lock = Lock();
    return state_;
}

void BatteryCtrl::SetLevelImage(const std::string& name) {
    {
        auto lock = Lock();
        levelImage_ = name;
    }
    Changed();
}

void BatteryCtrl::SetChargeImage(const std::string& name) {
    {
        auto lock = Lock();
        chargeImage_ = name;
    }
    Changed();
}

void BatteryCtrl::Paint(QPainter& painter, const ViewState& state) {
    int level = 0;
    int charge = 2;
    std::string background;
    std::string bar;
    std::string bolt;
    TextStyle style;
    {
        auto lock = Lock();
        level = level_;
        charge = state_;
        background = image_;
        bar = levelImage_;
        bolt = chargeImage_;
        style = TextStyleLocked();
    }
    int bodyHeight = std::min(14, state.height - 4);
    QRect body(1, (state.height - bodyHeight) / 2, 26, bodyHeight);
    if (!skin::DrawImage(painter, background, 1, 0, body)) {
        skin::FillRounded(painter, QRectF(body), Qt::transparent, skin::Color(style.color), 3);
        painter.fillRect(QRect(body.right() + 1, body.top() + bodyHeight / 3, 2, bodyHeight / 3),
                         skin::Color(style.color));
    }
    bool known = charge != 2;
    if (known) {
        QRect fill(body.left() + 2, body.top() + 2, (body.width() - 4) * level / 100,
                   body.height() - 4);
        if (!skin::DrawImage(painter, bar, 1, 0, fill)) {
            std::uint32_t color = level <= 20 ? 0xFFE0564A : 0xFF4CC38A;
            painter.fillRect(fill, skin::Color(color));
        }
    }
    if (charge == 1) {
        QRect mark(body.left() + body.width() / 2 - 5, body.top() - 1, 10, body.height() + 2);
        if (!skin::DrawImage(painter, bolt, 1, 0, mark)) {
            QPainterPath path;
            path.moveTo(mark.left() + 6, mark.top());
            path.lineTo(mark.left() + 1, mark.center().y() + 1);
            path.lineTo(mark.left() + 5, mark.center().y() + 1);
            path.lineTo(mark.left() + 3, mark.bottom());
            path.lineTo(mark.right(), mark.center().y() - 1);
            path.lineTo(mark.left() + 5, mark.center().y() - 1);
            path.closeSubpath();
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(path, QColor(0xFF, 0xD5, 0x4A));
            painter.restore();
        }
    }
    style.align = kAlignLeft;
    skin::DrawText(painter,
                   QRect(body.right() + 7, 0, state.width - body.right() - 7, state.height),
                   known ? std::to_string(level) + "%" : std::string("--"), style);
}

}  // namespace quillon
