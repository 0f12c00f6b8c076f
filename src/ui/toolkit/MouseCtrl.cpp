#include "ui/toolkit/MouseCtrl.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

constexpr int kLabelHeight = 30;
constexpr int kLabelGap = 14;
constexpr int kMaxLabelWidth = 150;

// Where each button sits on the drawn mouse, as fractions of the mouse's box: 1 left, 2 middle,
// 3 right, 4 back side, 5 front side, 7 wheel up, 8 wheel down.
QPointF AnchorPoint(int anchor) {
    switch (anchor) {
        case 1:
            return {0.30, 0.20};
        case 2:
            return {0.50, 0.16};
        case 3:
            return {0.70, 0.20};
        case 4:
            return {0.12, 0.52};
        case 5:
            return {0.12, 0.40};
        case 7:
            return {0.50, 0.30};
        case 8:
            return {0.50, 0.38};
        default:
            return {0.50, 0.60};
    }
}

}  // namespace

struct MouseCtrl::Geometry {
    QRect mouse;
    std::vector<QRect> labels;
};

int MouseCtrl::AddItem(const std::string& text, int anchor, int side) {
    int index = 0;
    {
        auto lock = Lock();
        items_.push_back({text, anchor, side});
        index = static_cast<int>(items_.size()) - 1;
    }
    Changed();
    return index;
}

int MouseCtrl::GetItemCount() const {
    auto lock = Lock();
    return static_cast<int>(items_.size());
}

void MouseCtrl::SetItemText(int index, const std::string& text) {
    {
        auto lock = Lock();
        if (index < 0 || index >= static_cast<int>(items_.size())) {
            return;
        }
        items_[static_cast<size_t>(index)].text = text;
    }
    Changed();
}

std::string MouseCtrl::GetItemText(int index) const {
    auto lock = Lock();
    return index >= 0 && index < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(index)].text
               : std::string();
}

void MouseCtrl::SetSelectItem(int index) {
    {
        auto lock = Lock();
        selected_ = index;
    }
    Changed();
}

int MouseCtrl::GetSelectItem() const {
    auto lock = Lock();
    return selected_;
}

void MouseCtrl::SetMouseImage(const std::string& name) {
    {
        auto lock = Lock();
        mouseImage_ = name;
    }
    Changed();
}

MouseCtrl::Geometry MouseCtrl::LayoutLocked(int width, int height) const {
    Geometry geometry;
    // Labels wider than a function's name only take room from the mouse.
    int labelWidth = std::clamp(width * 3 / 10, 60, kMaxLabelWidth);
    int mouseWidth = std::min(width - 2 * labelWidth - 80, height * 6 / 10);
    mouseWidth = std::max(mouseWidth, 40);
    int mouseHeight = std::min(height - 20, mouseWidth * 5 / 3);
    geometry.mouse =
        QRect((width - mouseWidth) / 2, (height - mouseHeight) / 2, mouseWidth, mouseHeight);
    int counts[2] = {0, 0};
    for (const Item& item : items_) {
        ++counts[item.side == kSideRight ? 1 : 0];
    }
    int next[2] = {0, 0};
    for (const Item& item : items_) {
        int side = item.side == kSideRight ? 1 : 0;
        int column = counts[side] * kLabelHeight + (counts[side] - 1) * kLabelGap;
        int top = (height - column) / 2 + next[side]++ * (kLabelHeight + kLabelGap);
        int left = side == 0 ? 0 : width - labelWidth;
        geometry.labels.emplace_back(left, top, labelWidth, kLabelHeight);
    }
    return geometry;
}

void MouseCtrl::OnRelease(const PointerEvent& event) {
    if (!event.inside || event.right) {
        return;
    }
    int hit = -1;
    {
        auto lock = Lock();
        Geometry geometry = LayoutLocked(rect_.Width(), rect_.Height());
        for (size_t i = 0; i < geometry.labels.size(); ++i) {
            if (geometry.labels[i].contains(event.x, event.y)) {
                hit = static_cast<int>(i);
            }
        }
    }
    if (hit >= 0) {
        SetSelectItem(hit);
        Notify(kEventClick, hit);
    }
}

void MouseCtrl::Paint(QPainter& painter, const ViewState& state) {
    std::vector<Item> items;
    int selected = -1;
    std::string labelImage;
    std::string mouseImage;
    TextStyle style;
    Geometry geometry;
    {
        auto lock = Lock();
        items = items_;
        selected = selected_;
        labelImage = image_;
        mouseImage = mouseImage_;
        style = TextStyleLocked();
        geometry = LayoutLocked(state.width, state.height);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QRect mouse = geometry.mouse;
    if (!skin::DrawImage(painter, mouseImage, 1, 0, mouse)) {
        QPainterPath body;
        body.addRoundedRect(QRectF(mouse), mouse.width() * 0.48, mouse.width() * 0.55);
        painter.setPen(QPen(skin::Color(skin::kBorder), 2));
        painter.setBrush(skin::Color(skin::kField));
        painter.drawPath(body);
        painter.drawLine(QPointF(mouse.center().x(), mouse.top()),
                         QPointF(mouse.center().x(), mouse.top() + mouse.height() * 0.42));
        painter.drawLine(QPointF(mouse.left(), mouse.top() + mouse.height() * 0.42),
                         QPointF(mouse.right(), mouse.top() + mouse.height() * 0.42));
        QRectF wheel(mouse.center().x() - mouse.width() * 0.06, mouse.top() + mouse.height() * 0.12,
                     mouse.width() * 0.12, mouse.height() * 0.14);
        painter.setBrush(skin::Color(skin::kBorder));
        painter.drawRoundedRect(wheel, wheel.width() / 2, wheel.width() / 2);
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const QRect& label = geometry.labels[i];
        bool current = static_cast<int>(i) == selected;
        QPointF fraction = AnchorPoint(items[i].anchor);
        QPointF anchor(mouse.left() + fraction.x() * mouse.width(),
                       mouse.top() + fraction.y() * mouse.height());
        QPointF start(items[i].side == kSideRight ? label.left() : label.right(),
                      label.center().y());
        QColor line = skin::Color(current ? skin::kAccent : skin::kBorder);
        painter.setPen(QPen(line, 1.2));
        painter.setBrush(Qt::NoBrush);
        QPointF elbow(anchor.x() + (start.x() < anchor.x() ? -16 : 16), start.y());
        painter.drawPolyline(QPolygonF({start, elbow, anchor}));
        painter.setBrush(line);
        painter.drawEllipse(anchor, 3, 3);
        if (!skin::DrawImage(painter, labelImage, 2, current ? 1 : 0, label)) {
            skin::FillRounded(painter, QRectF(label),
                              skin::Color(current ? skin::kAccent : skin::kField),
                              skin::Color(current ? skin::kAccent : skin::kBorder), 6);
        }
        TextStyle itemStyle = style;
        itemStyle.align = kAlignCenter;
        if (current) {
            itemStyle.color = kColorWhite;
        }
        skin::DrawText(painter, label.adjusted(6, 0, -6, 0), items[i].text, itemStyle);
    }
}

}  // namespace quillon
