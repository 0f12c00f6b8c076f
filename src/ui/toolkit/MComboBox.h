#pragma once

#include <string>
#include <vector>

#include "ui/toolkit/MControl.h"

namespace quillon {

// A drop-down list of items, each a text and a number (its data). Choosing an item in the popup
// selects it and sends kEventClick with its position.
class MComboBox : public MControl {
  public:
    static constexpr const char* kClassName = "MComboBox";
    const char* GetClassName() const override { return kClassName; }

    // Appends an item; returns its position.
    int AddItem(const std::string& text, int data = 0);
    void DelAllItems();
    int GetCount() const;
    void SetItemText(int index, const std::string& text);
    std::string GetItemText(int index) const;  // empty out of range
    void SetItemData(int index, int data);
    int GetItemData(int index) const;  // -1 out of range

    // Selects a position (-1: none) and drops a text set with SetShowText.
    void SetCurSel(int index);
    int GetCurSel() const;
    // Selects the first item with this data; false, selection unchanged, when there is none.
    bool SelectData(int data);
    int GetCurData() const;  // -1 when nothing is selected
    // Shows a text in the box instead of the selected item's until the selection changes.
    void SetShowText(const std::string& text);
    std::string GetShowText() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnRelease(const PointerEvent& event) override;
    int DefaultStates() const override { return 4; }

  private:
    struct Item {
        std::string text;
        int data = 0;
    };
    void Choose(int index);

    std::vector<Item> items_;
    int selected_ = -1;
    std::string showText_;
    bool hasShowText_ = false;
};

}  // namespace quillon
