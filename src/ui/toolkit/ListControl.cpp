#include "ui/toolkit/ListControl.h"

#include <QPainter>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

int ListControl::AddItem(const ListItem& item) {
    return InsertItem(-1, item);
}

int ListControl::InsertItem(int position, const ListItem& item) {
    int inserted = 0;
    {
        auto lock = Lock();
        if (position < 0 || position > static_cast<int>(items_.size())) {
            position = static_cast<int>(items_.size());
        }
        items_.insert(items_.begin() + position, item);
        if (selected_ >= position) {
            ++selected_;
        }
        inserted = position;
    }
    Changed();
    return inserted;
}

void ListControl::SetItem(int position, const ListItem& item) {
    {
        auto lock = Lock();
        if (position < 0 || position >= static_cast<int>(items_.size())) {
            return;
        }
        items_[static_cast<size_t>(position)] = item;
    }
    Changed();
}

ListItem ListControl::GetItem(int position) const {
    auto lock = Lock();
    return position >= 0 && position < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(position)]
               : ListItem{};
}

void ListControl::DeleteItem(int position) {
    {
        auto lock = Lock();
        if (position < 0 || position >= static_cast<int>(items_.size())) {
            return;
        }
        items_.erase(items_.begin() + position);
        if (selected_ == position) {
            selected_ = -1;
        } else if (selected_ > position) {
            --selected_;
        }
        ClampScrollLocked();
    }
    Changed();
}

void ListControl::DelAllItems() {
    {
        auto lock = Lock();
        items_.clear();
        selected_ = -1;
        firstRow_ = 0;
    }
    Changed();
}

int ListControl::GetCount() const {
    auto lock = Lock();
    return static_cast<int>(items_.size());
}

void ListControl::SetItemText(int position, const std::string& text) {
    {
        auto lock = Lock();
        if (position < 0 || position >= static_cast<int>(items_.size())) {
            return;
        }
        items_[static_cast<size_t>(position)].text = text;
    }
    Changed();
}

std::string ListControl::GetItemText(int position) const {
    return GetItem(position).text;
}

void ListControl::SetItemData(int position, int data) {
    auto lock = Lock();
    if (position >= 0 && position < static_cast<int>(items_.size())) {
        items_[static_cast<size_t>(position)].data = data;
    }
}

int ListControl::GetItemData(int position) const {
    auto lock = Lock();
    return position >= 0 && position < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(position)].data
               : -1;
}

void ListControl::SetCurSel(int position) {
    {
        auto lock = Lock();
        selected_ = (position >= 0 && position < static_cast<int>(items_.size())) ? position : -1;
        int visibleRows = std::max(1, rect_.Height() / kRowHeight);
        if (selected_ >= 0 && selected_ < firstRow_) {
            firstRow_ = selected_;
        } else if (selected_ >= firstRow_ + visibleRows) {
            firstRow_ = selected_ - visibleRows + 1;
        }
    }
    Changed();
}

int ListControl::GetCurSel() const {
    auto lock = Lock();
    return selected_;
}

void ListControl::SetMoreImage(const std::string& name) {
    {
        auto lock = Lock();
        moreImage_ = name;
    }
    Changed();
}

int ListControl::RowAtLocked(int y) const {
    if (y < 0) {
        return -1;
    }
    int row = y / kRowHeight + firstRow_;
    return row < static_cast<int>(items_.size()) ? row : -1;
}

QRect ListControl::RowRectLocked(int position, int width) const {
    return QRect(0, (position - firstRow_) * kRowHeight, width, kRowHeight);
}

void ListControl::ClampScrollLocked() {
    int visibleRows = std::max(1, rect_.Height() / kRowHeight);
    firstRow_ =
        std::clamp(firstRow_, 0, std::max(0, static_cast<int>(items_.size()) - visibleRows));
}

void ListControl::OnRelease(const PointerEvent& event) {
    if (!event.inside) {
        return;
    }
    int hit = -1;
    bool onMore = false;
    {
        auto lock = Lock();
        hit = RowAtLocked(event.y);
        onMore = hit >= 0 && hit == selected_ && event.x >= rect_.Width() - kMoreWidth;
    }
    if (hit < 0) {
        return;
    }
    if (event.right || onMore) {
        SetCurSel(hit);
        Notify(kEventContextMenu, hit);
        return;
    }
    SetCurSel(hit);
    Notify(kEventClick, hit);
}

void ListControl::OnWheel(int steps) {
    {
        auto lock = Lock();
        firstRow_ -= steps;
        ClampScrollLocked();
    }
    Changed();
}

void ListControl::PaintRow(QPainter& painter, const QRect& row, const ListItem& item, bool,
                           const TextStyle& style) {
    skin::DrawText(painter, row.adjusted(12, 0, -kMoreWidth, 0), item.text, style);
}

void ListControl::Paint(QPainter& painter, const ViewState& state) {
    std::vector<ListItem> items;
    int selected = -1;
    int firstRow = 0;
    std::string more;
    TextStyle style;
    {
        auto lock = Lock();
        items = items_;
        selected = selected_;
        firstRow = firstRow_;
        more = moreImage_;
        style = TextStyleLocked();
    }
    style.align = kAlignLeft;
    style.valign = kVAlignCenter;
    painter.setClipRect(0, 0, state.width, state.height);
    for (int i = firstRow; i < static_cast<int>(items.size()); ++i) {
        QRect row(0, (i - firstRow) * kRowHeight, state.width, kRowHeight);
        if (row.top() >= state.height) {
            break;
        }
        bool current = i == selected;
        if (current) {
            skin::FillRounded(painter, QRectF(row).adjusted(2, 1, -2, -1),
                              skin::Color(skin::kHover), skin::Color(skin::kAccent), 6);
            QRect mark(row.right() - kMoreWidth + 4, row.top() + 6, kMoreWidth - 8,
                       kRowHeight - 12);
            if (!skin::DrawImage(painter, more, 1, 0, mark)) {
                skin::DrawGlyph(painter, QRectF(mark), skin::Glyph::More, skin::Color(style.color));
            }
        }
        PaintRow(painter, row, items[static_cast<size_t>(i)], current, style);
    }
    int visibleRows = std::max(1, state.height / kRowHeight);
    int count = static_cast<int>(items.size());
    if (count > visibleRows) {
        int barHeight = std::max(20, state.height * visibleRows / count);
        int barTop = (state.height - barHeight) * firstRow / std::max(1, count - visibleRows);
        skin::FillRounded(painter, QRectF(state.width - 4, barTop, 3, barHeight),
                          skin::Color(skin::kMuted), Qt::transparent, 1.5);
    }
}

}  // namespace quillon
