#pragma once

#include <string>
#include <vector>

#include "ui/toolkit/MControl.h"

namespace quillon {

// A grid of pictures to pick one from; each entry has a number (its data), a picture and a name
// shown as its hint. A click selects an entry and sends kEventClick with its position; the wheel
// scrolls a grid taller than the control. With the keyboard focus the arrow keys, Home, End and
// the page keys move the selection, and Enter or Space chooses it as a click does.
class EmojiControl : public MControl {
  public:
    static constexpr const char* kClassName = "EmojiControl";
    const char* GetClassName() const override { return kClassName; }

    int AddItem(int data, const std::string& picture, const std::string& name);
    int GetItemCount() const;
    int GetItemData(int index) const;          // -1 out of range
    std::string GetItemText(int index) const;  // the entry's name
    void SetCurSel(int index);
    int GetCurSel() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnRelease(const PointerEvent& event) override;
    void OnWheel(int steps) override;
    void OnPointerMove(const PointerEvent& event) override;
    std::string TooltipAt(int x, int y) const override;
    void BuildView(QWidget& view) override;

  private:
    class KeyFilter;
    // A key pressed while the grid has the focus; false when it is not one of the grid's.
    bool OnKey(int qtKey);

    struct Item {
        int data = 0;
        std::string picture;
        std::string name;
    };
    int CellSizeLocked() const;
    int IndexAtLocked(int x, int y) const;

    std::vector<Item> items_;
    int selected_ = -1;
    int hovered_ = -1;
    int firstRow_ = 0;
};

}  // namespace quillon
