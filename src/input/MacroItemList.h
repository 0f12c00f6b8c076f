#pragma once

#include <vector>

#include "input/KeyNames.h"
#include "input/MacroItems.h"
#include "store/Records.h"

namespace quillon {

// The item list of one macro as the macro page edits it: the items in list order and the
// selected position. Items inserted together share a time stamp (MacroItem::delay_time) and are
// changed and deleted together. The list only edits; saving it is the caller's.
class MacroItemList {
  public:
    enum class Insertion { KeyPair, ClickPair, Pause, Move };

    MacroItemList() = default;
    explicit MacroItemList(std::vector<MacroItem> items);

    const std::vector<MacroItem>& Items() const { return items_; }
    int Size() const { return static_cast<int>(items_.size()); }
    // -1 when nothing is selected.
    int Selection() const { return selection_; }
    // Out-of-range positions clear the selection.
    void Select(int position);

    // No more items may be inserted by hand.
    bool IsFull() const { return Size() >= kMaxMacroItems; }

    // A pair goes after the selected item, a single item in front of it; with nothing selected
    // both go to the end. Every new item gets `stamp`. The selection stays on its item.
    // False, with nothing inserted, when the list is full.
    bool Insert(Insertion what, int stamp);

    // Removes every item sharing the selected item's time stamp; clears the selection.
    void DeleteSelected();

    // The selected item moves and stays selected; at the edge nothing happens.
    void MoveUp();
    void MoveDown();
    void MoveToTop();
    void MoveToBottom();

    // The key items (down and up) sharing the selected item's stamp take the key.
    // An empty key (nothing pressed) leaves the bare arrows and code 0.
    void ChangeKey(const CapturedKey& key);
    // The mouse items sharing the selected item's stamp take a button, chosen by the button
    // function type of the page's list (1 left, 3 right, 2 middle, 5 forward, 6 backward,
    // 7 wheel up, 8 wheel down). Other types change nothing.
    void ChangeMouseButton(int functionType);
    // The selected item takes the pause (limited to 1..15000) and its text.
    void ChangePause(int milliseconds);
    // The selected item takes the move's value and text.
    void ChangeMove(const MoveOnBothAxes& move);

  private:
    MacroItem* SelectedItem();
    template <typename Change>
    void ChangeStampGroup(Change change);

    std::vector<MacroItem> items_;
    int selection_ = -1;
};

}  // namespace quillon
