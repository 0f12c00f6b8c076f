#include "ui/toolkit/EmojiControl.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

constexpr int kColumns = 10;

}  // namespace

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

std::string EmojiControl::TooltipAt(int x, int y) const {
    auto lock = Lock();
    int index = IndexAtLocked(x, y);
    return index >= 0 ? items_[static_cast<size_t>(index)].name : std::string();
}

void EmojiControl::Paint(QPainter& painter, const ViewState& state) {
    std::vector<Item> items;
    int selected = -1;
    int firstRow = 0;
    int cell = 16;
    TextStyle style;
    {
        auto lock = Lock();
        items = items_;
        selected = selected_;
        firstRow = firstRow_;
        cell = CellSizeLocked();
        style = TextStyleLocked();
    }
    style.align = kAlignCenter;
    style.fontSize = std::max(9, cell / 4);
    for (size_t i = static_cast<size_t>(firstRow * kColumns); i < items.size(); ++i) {
        int row = static_cast<int>(i) / kColumns - firstRow;
        int column = static_cast<int>(i) % kColumns;
        QRect box(column * cell, row * cell, cell, cell);
        if (box.top() >= state.height) {
            break;
        }
        QRect inner = box.adjusted(3, 3, -3, -3);
        bool current = static_cast<int>(i) == selected;
        skin::FillRounded(painter, QRectF(inner),
                          skin::Color(current ? skin::kHover : skin::kField),
                          skin::Color(current ? skin::kAccent : skin::kBorder), 6);
        if (!skin::DrawImage(painter, items[i].picture, 1, 0, inner.adjusted(4, 4, -4, -4))) {
            skin::DrawText(painter, inner, std::to_string(items[i].data), style);
        }
    }
}

}  // namespace quillon
