#include "ui/toolkit/EmojiControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

constexpr int kColumns = 10;

}  // namespace

// Hands the view's key presses to the control and redraws it when the focus comes or goes.
class EmojiControl::KeyFilter : public QObject {
  public:
    KeyFilter(EmojiControl& control, QWidget& view) : QObject(&view), control_(control) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            return control_.OnKey(static_cast<QKeyEvent*>(event)->key());
        }
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            static_cast<QWidget*>(watched)->update();
        }
        return false;
    }

  private:
    EmojiControl& control_;
};

int EmojiControl::AddItem(int data, const std::string& picture, const std::string& name) {
    int index = 0;
    {
        auto lock = Lock();
        items_.push_back({data, picture, name});
        index = static_cast<int>(items_.size()) - 1;
    }
    Changed();
    return index;
}

int EmojiControl::GetItemCount() const {
    auto lock = Lock();
    return static_cast<int>(items_.size());
}

int EmojiControl::GetItemData(int index) const {
    auto lock = Lock();
    return index >= 0 && index < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(index)].data
               : -1;
}

std::string EmojiControl::GetItemText(int index) const {
    auto lock = Lock();
    return index >= 0 && index < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(index)].name
               : std::string();
}

void EmojiControl::SetCurSel(int index) {
    {
        auto lock = Lock();
        selected_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
        int cell = CellSizeLocked();
        int visibleRows = std::max(1, rect_.Height() / cell);
        if (selected_ >= 0) {
            int row = selected_ / kColumns;
            if (row < firstRow_) {
                firstRow_ = row;
            } else if (row >= firstRow_ + visibleRows) {
                firstRow_ = row - visibleRows + 1;
            }
        }
    }
    Changed();
}

int EmojiControl::GetCurSel() const {
    auto lock = Lock();
    return selected_;
}

int EmojiControl::CellSizeLocked() const {
    return std::max(16, rect_.Width() / kColumns);
}

int EmojiControl::IndexAtLocked(int x, int y) const {
    int cell = CellSizeLocked();
    if (x < 0 || y < 0 || x >= cell * kColumns) {
        return -1;
    }
    int index = (y / cell + firstRow_) * kColumns + x / cell;
    return index < static_cast<int>(items_.size()) ? index : -1;
}

void EmojiControl::OnRelease(const PointerEvent& event) {
    if (!event.inside || event.right) {
        return;
    }
    int hit = -1;
    {
        auto lock = Lock();
        hit = IndexAtLocked(event.x, event.y);
    }
    if (hit >= 0) {
        SetCurSel(hit);
        Notify(kEventClick, hit);
    }
}

void EmojiControl::OnWheel(int steps) {
    {
        auto lock = Lock();
        int rows = (static_cast<int>(items_.size()) + kColumns - 1) / kColumns;
        int visibleRows = std::max(1, rect_.Height() / CellSizeLocked());
        firstRow_ = std::clamp(firstRow_ - steps, 0, std::max(0, rows - visibleRows));
    }
    Changed();
}

void EmojiControl::OnPointerMove(const PointerEvent& event) {
    {
        auto lock = Lock();
        int hit = IndexAtLocked(event.x, event.y);
        if (hit == hovered_) {
            return;
        }
        hovered_ = hit;
    }
    Changed();
}

void EmojiControl::BuildView(QWidget& view) {
    view.setFocusPolicy(Qt::StrongFocus);
    view.setMouseTracking(true);
    view.installEventFilter(new KeyFilter(*this, view));
}

bool EmojiControl::OnKey(int qtKey) {
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || qtKey == Qt::Key_Space) {
        const int chosen = GetCurSel();
        if (chosen >= 0) {
            Notify(kEventClick, chosen);
        }
        return true;
    }
    int target = 0;
    {
        auto lock = Lock();
        const int count = static_cast<int>(items_.size());
        const int page = kColumns * std::max(1, rect_.Height() / CellSizeLocked());
        const int current = std::max(selected_, 0);
        switch (qtKey) {
            case Qt::Key_Left:
                target = current - 1;
                break;
            case Qt::Key_Right:
                target = current + 1;
                break;
            case Qt::Key_Up:
                target = current - kColumns;
                break;
            case Qt::Key_Down:
                target = current + kColumns;
                break;
            case Qt::Key_PageUp:
                target = current - page;
                break;
            case Qt::Key_PageDown:
                target = current + page;
                break;
            case Qt::Key_Home:
                target = 0;
                break;
            case Qt::Key_End:
                target = count - 1;
                break;
            default:
                return false;
        }
        // Past an edge: the last entry on that side.
        target = std::clamp(target, 0, std::max(count - 1, 0));
    }
    SetCurSel(target);
    return true;
}

std::string EmojiControl::TooltipAt(int x, int y) const {
    auto lock = Lock();
    int index = IndexAtLocked(x, y);
    return index >= 0 ? items_[static_cast<size_t>(index)].name : std::string();
}

void EmojiControl::Paint(QPainter& painter, const ViewState& state) {
    std::vector<Item> items;
    int selected = -1;
    int hovered = -1;
    int firstRow = 0;
    int cell = 16;
    TextStyle style;
    {
        auto lock = Lock();
        items = items_;
        selected = selected_;
        hovered = state.hover ? hovered_ : -1;
        firstRow = firstRow_;
        cell = CellSizeLocked();
        style = TextStyleLocked();
    }
    style.align = kAlignCenter;
    style.fontSize = std::max(9, cell / 4);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool focused = View() != nullptr && View()->hasFocus();
    for (size_t i = static_cast<size_t>(firstRow * kColumns); i < items.size(); ++i) {
        int row = static_cast<int>(i) / kColumns - firstRow;
        int column = static_cast<int>(i) % kColumns;
        QRect box(column * cell, row * cell, cell, cell);
        if (box.top() >= state.height) {
            break;
        }
        QRect inner = box.adjusted(3, 3, -3, -3);
        bool current = static_cast<int>(i) == selected;
        bool pointed = static_cast<int>(i) == hovered;
        skin::FillRounded(painter, QRectF(inner),
                          skin::Color(current || pointed ? skin::kHover : skin::kField),
                          skin::Color(pointed ? skin::kMuted : skin::kBorder), 6);
        if (!skin::DrawImage(painter, items[i].picture, 1, 0, inner.adjusted(2, 2, -2, -2))) {
            skin::DrawText(painter, inner, std::to_string(items[i].data), style);
        }
        if (current) {
            // A ring that stays visible over any picture; white while the grid has the focus.
            painter.setPen(QPen(skin::Color(focused ? kColorWhite : skin::kAccent), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5), 7, 7);
        }
    }
}

}  // namespace quillon
