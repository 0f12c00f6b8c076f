#include "input/MacroItemList.h"

#include <algorithm>
#include <utility>

#include "input/FunctionCatalogue.h"

namespace quillon {
namespace {

constexpr int kVirtualKeyA = 0x41;

}  // namespace

MacroItemList::MacroItemList(std::vector<MacroItem> items) : items_(std::move(items)) {}

void MacroItemList::Select(int position) {
    selection_ = position >= 0 && position < Size() ? position : -1;
}

bool MacroItemList::Insert(Insertion what, int stamp) {
    if (IsFull()) {
        return false;
    }
    std::vector<MacroItem> added;
    switch (what) {
        case Insertion::KeyPair:
            added.push_back(
                MakeMacroItem(kItemKeyDown, kVirtualKeyA, std::string(kArrowDown) + "A", stamp));
            added.push_back(
                MakeMacroItem(kItemKeyUp, kVirtualKeyA, std::string(kArrowUp) + "A", stamp));
            break;
        case Insertion::ClickPair: {
            const std::string name = MouseButtonName(kMouseLeft);
            added.push_back(MakeMacroItem(kItemMouseDown, kMouseLeft, kArrowDown + name, stamp));
            added.push_back(MakeMacroItem(kItemMouseUp, kMouseLeft, kArrowUp + name, stamp));
            break;
        }
        case Insertion::Pause:
            added.push_back(MakeMacroItem(kItemPause, 10, PauseItemText(10), stamp));
            break;
        case Insertion::Move:
            added.push_back(MakeMacroItem(
                kItemMoveXY, 0x101, std::string(kArrowRight) + "1, " + kArrowDown + "1", stamp));
            break;
    }
    int at = Size();
    if (selection_ >= 0) {
        at = added.size() > 1 ? selection_ + 1 : selection_;
    }
    items_.insert(items_.begin() + at, added.begin(), added.end());
    if (selection_ >= at) {
        selection_ += static_cast<int>(added.size());
    }
    return true;
}

void MacroItemList::DeleteSelected() {
    if (selection_ < 0) {
        return;
    }
    const int stamp = items_[static_cast<size_t>(selection_)].delay_time;
    std::erase_if(items_, [stamp](const MacroItem& item) { return item.delay_time == stamp; });
    selection_ = -1;
}

void MacroItemList::MoveUp() {
    if (selection_ > 0) {
        std::swap(items_[static_cast<size_t>(selection_)],
                  items_[static_cast<size_t>(selection_ - 1)]);
        --selection_;
    }
}

void MacroItemList::MoveDown() {
    if (selection_ >= 0 && selection_ + 1 < Size()) {
        std::swap(items_[static_cast<size_t>(selection_)],
                  items_[static_cast<size_t>(selection_ + 1)]);
        ++selection_;
    }
}

void MacroItemList::MoveToTop() {
    if (selection_ > 0) {
        auto it = items_.begin() + selection_;
        std::rotate(items_.begin(), it, it + 1);
        selection_ = 0;
    }
}

void MacroItemList::MoveToBottom() {
    if (selection_ >= 0) {
        auto it = items_.begin() + selection_;
        std::rotate(it, it + 1, items_.end());
        selection_ = Size() - 1;
    }
}

MacroItem* MacroItemList::SelectedItem() {
    return selection_ >= 0 ? &items_[static_cast<size_t>(selection_)] : nullptr;
}

template <typename Change>
void MacroItemList::ChangeStampGroup(Change change) {
    const MacroItem* selected = SelectedItem();
    if (selected == nullptr) {
        return;
    }
    const int stamp = selected->delay_time;
    for (MacroItem& item : items_) {
        if (item.delay_time == stamp) {
            change(item);
        }
    }
}

void MacroItemList::ChangeKey(const CapturedKey& key) {
    ChangeStampGroup([&key](MacroItem& item) {
        if (item.type == kItemKeyDown || item.type == kItemKeyUp) {
            item.desc = (item.type == kItemKeyDown ? kArrowDown : kArrowUp) + key.name;
            item.value = key.code;
        }
    });
}

void MacroItemList::ChangeMouseButton(int functionType) {
    int mask = 0;
    switch (functionType) {
        case kFnLeftClick:
            mask = kMouseLeft;
            break;
        case kFnRightClick:
            mask = kMouseRight;
            break;
        case kFnMiddleClick:
            mask = kMouseMiddle;
            break;
        case kFnForward:
            mask = kMouseForward;
            break;
        case kFnBackward:
            mask = kMouseBackward;
            break;
        case kFnWheelUp:
        case kFnWheelDown:
            break;
        default:
            return;
    }
    ChangeStampGroup([functionType, mask](MacroItem& item) {
        if (item.type != kItemMouseDown && item.type != kItemMouseUp) {
            return;
        }
        const bool down = item.type == kItemMouseDown;
        if (mask != 0) {
            item.desc = (down ? kArrowDown : kArrowUp) + MouseButtonName(mask);
            item.value = mask;
        } else {
            // A wheel step: both items carry the direction's arrow and word.
            const bool wheelUp = functionType == kFnWheelUp;
            item.desc = wheelUp ? std::string(kArrowUp) + kScrollUpName
                                : std::string(kArrowDown) + kScrollDownName;
            item.value = down ? 1 : 2;
        }
    });
}

void MacroItemList::ChangePause(int milliseconds) {
    if (MacroItem* item = SelectedItem()) {
        const int pause = LimitItemPause(milliseconds);
        item->value = pause;
        item->desc = PauseItemText(pause);
    }
}

void MacroItemList::ChangeMove(const MoveOnBothAxes& move) {
    if (MacroItem* item = SelectedItem()) {
        item->value = move.Value();
        item->desc = move.Text();
    }
}

}  // namespace quillon
