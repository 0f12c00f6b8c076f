#include "ui/toolkit/MTabCtrl.h"

#include <QPainter>

#include "ui/toolkit/MTabLayout.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {

int MTabCtrl::InsertItem(int itemId, const std::string& text, const std::string& icon,
                         MTabLayout* page) {
    int position = 0;
    {
        auto lock = Lock();
        items_.push_back({itemId, text, icon, page});
        position = static_cast<int>(items_.size()) - 1;
    }
    if (page != nullptr) {
        page->SetVisible(position == GetCurSel());
    }
    Changed();
    return position;
}

int MTabCtrl::GetItemCount() const {
    auto lock = Lock();
    return static_cast<int>(items_.size());
}

void MTabCtrl::SetItemText(int position, const std::string& text) {
    {
        auto lock = Lock();
        if (position < 0 || position >= static_cast<int>(items_.size())) {
            return;
        }
        items_[static_cast<size_t>(position)].text = text;
    }
    Changed();
}

std::string MTabCtrl::GetItemText(int position) const {
    auto lock = Lock();
    return position >= 0 && position < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(position)].text
               : std::string();
}

int MTabCtrl::GetItemID(int position) const {
    auto lock = Lock();
    return position >= 0 && position < static_cast<int>(items_.size())
               ? items_[static_cast<size_t>(position)].id
               : -1;
}

void MTabCtrl::SetCurSel(int position) {
    std::vector<std::pair<MTabLayout*, bool>> pages;
    {
        auto lock = Lock();
        if (position < 0 || position >= static_cast<int>(items_.size())) {
            return;
        }
        selected_ = position;
        for (size_t i = 0; i < items_.size(); ++i) {
            pages.emplace_back(items_[i].page, static_cast<int>(i) == position);
        }
    }
    // Hide first, so two pages never show at once.
    for (auto& [page, shown] : pages) {
        if (page != nullptr && !shown) {
            page->SetVisible(false);
        }
    }
    for (auto& [page, shown] : pages) {
        if (page != nullptr && shown) {
            page->SetVisible(true);
        }
    }
    Changed();
}

int MTabCtrl::GetCurSel() const {
    auto lock = Lock();
    return selected_;
}

void MTabCtrl::SetTabCtrlWidth(int width) {
    {
        auto lock = Lock();
        iconWidth_ = width;
    }
    Changed();
}

void MTabCtrl::SetTabCtrlHeight(int height) {
    {
        auto lock = Lock();
        iconHeight_ = height;
    }
    Changed();
}

void MTabCtrl::SetLeftRightPading(int left, int right) {
    {
        auto lock = Lock();
        padLeft_ = left;
        padRight_ = right;
    }
    Changed();
}

void MTabCtrl::SetTopBottomPading(int top, int bottom) {
    {
        auto lock = Lock();
        padTop_ = top;
        padBottom_ = bottom;
    }
    Changed();
}

void MTabCtrl::SetItemWidth(int minimum, int maximum, int fixed) {
    {
        auto lock = Lock();
        itemMinWidth_ = minimum;
        itemMaxWidth_ = std::max(minimum, maximum);
        fixedWidth_ = fixed != 0;
    }
    Changed();
}

void MTabCtrl::SetItemHeight(int minimum, int maximum, int fixed) {
    {
        auto lock = Lock();
        itemMinHeight_ = minimum;
        itemMaxHeight_ = std::max(minimum, maximum);
        fixedHeight_ = fixed != 0;
    }
    Changed();
}

int MTabCtrl::ItemWidthLocked(int width) const {
    if (fixedWidth_ || items_.empty()) {
        return itemMinWidth_;
    }
    int share = (width - padLeft_ - padRight_) / static_cast<int>(items_.size());
    return std::clamp(share, itemMinWidth_, itemMaxWidth_);
}

std::vector<std::pair<int, int>> MTabCtrl::ItemSpansLocked(int width) const {
    std::vector<std::pair<int, int>> spans;
    int itemWidth = ItemWidthLocked(width);
    int x = padLeft_;
    for (size_t i = 0; i < items_.size(); ++i) {
        spans.emplace_back(x, x + itemWidth);
        x += itemWidth;
    }
    return spans;
}

int MTabCtrl::ItemHeightLocked(int height) const {
    int itemHeight =
        fixedHeight_ ? itemMinHeight_ : std::clamp(height, itemMinHeight_, itemMaxHeight_);
    // The bottom padding counts only where the control is tall enough to keep it.
    int room = height - padTop_ - padBottom_;
    return std::min(itemHeight, room >= itemHeight / 2 ? room : height - padTop_);
}

bool MTabCtrl::OnKey(Key key) {
    if (!IsEnabled()) {
        return false;
    }
    int target = -1;
    {
        auto lock = Lock();
        int count = static_cast<int>(items_.size());
        if (count == 0) {
            return false;
        }
        int current = std::max(selected_, 0);
        switch (key) {
            case Key::Left:
            case Key::Up:
                target = std::max(current - 1, 0);
                break;
            case Key::Right:
            case Key::Down:
                target = std::min(current + 1, count - 1);
                break;
            case Key::Home:
                target = 0;
                break;
            case Key::End:
                target = count - 1;
                break;
            case Key::Enter:
            case Key::Space:
                return false;
        }
        if (target == selected_) {
            return true;
        }
    }
    SetCurSel(target);
    Notify(kEventClick, target);
    return true;
}

MRect MTabCtrl::FocusRect(int width, int height) const {
    auto lock = Lock();
    auto spans = ItemSpansLocked(width);
    if (selected_ < 0 || selected_ >= static_cast<int>(spans.size())) {
        return {0, 0, width, height};
    }
    const auto& span = spans[static_cast<size_t>(selected_)];
    return {span.first, padTop_, span.second, padTop_ + ItemHeightLocked(height)};
}

void MTabCtrl::OnRelease(const PointerEvent& event) {
    if (!event.inside || event.right || !IsEnabled()) {
        return;
    }
    int hit = -1;
    {
        auto lock = Lock();
        auto spans = ItemSpansLocked(rect_.Width());
        for (size_t i = 0; i < spans.size(); ++i) {
            if (event.x >= spans[i].first && event.x < spans[i].second) {
                hit = static_cast<int>(i);
            }
        }
    }
    if (hit >= 0) {
        SetCurSel(hit);
        Notify(kEventClick, hit);
    }
}

void MTabCtrl::Paint(QPainter& painter, const ViewState& state) {
    std::vector<Item> items;
    std::vector<std::pair<int, int>> spans;
    int selected = -1;
    int itemHeight = 60;
    int iconWidth = 24;
    int iconHeight = 24;
    int padTop = 0;
    TextStyle style;
    {
        auto lock = Lock();
        items = items_;
        spans = ItemSpansLocked(state.width);
        selected = selected_;
        itemHeight = ItemHeightLocked(state.height);
        iconWidth = iconWidth_;
        iconHeight = iconHeight_;
        padTop = padTop_;
        style = TextStyleLocked();
    }
    // The icon takes the upper part of the item, at most half of it, the text the rest.
    int iconSide = std::min({iconWidth, iconHeight, itemHeight / 2 - 4});
    style.align = kAlignCenter;
    style.valign = kVAlignCenter;
    style.fontSize = std::min(style.fontSize, 12);
    for (size_t i = 0; i < items.size(); ++i) {
        QRect box(spans[i].first, padTop, spans[i].second - spans[i].first, itemHeight);
        bool current = static_cast<int>(i) == selected;
        if (current) {
            skin::FillRounded(painter, QRectF(box).adjusted(2, 2, -2, -2),
                              skin::Color(state.enabled ? skin::kAccent : skin::kBorder),
                              Qt::transparent, 10);
        }
        QRect iconBox(box.center().x() - iconSide / 2, box.top() + 8, iconSide, iconSide);
        if (!skin::DrawImage(painter, items[i].icon, current ? 2 : 1, current ? 1 : 0, iconBox)) {
            QColor ink = skin::Color(current ? kColorWhite : style.color);
            skin::DrawGlyph(painter, QRectF(iconBox), skin::GlyphForImage(items[i].icon), ink);
        }
        TextStyle itemStyle = style;
        if (current && state.enabled) {
            itemStyle.color = kColorWhite;
        }
        itemStyle.fontSize = skin::FittingFontSize(items[i].text, itemStyle, box.width() - 4, 9);
        skin::DrawText(painter,
                       QRect(box.left(), iconBox.bottom() + 2, box.width(),
                             box.bottom() - iconBox.bottom() - 4),
                       items[i].text, itemStyle);
    }
}

}  // namespace quillon
