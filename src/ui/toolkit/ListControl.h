#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/toolkit/MControl.h"

namespace quillon {

// One row of a list control.
struct ListItem {
    std::string text;
    int data = 0;
    int type = 0;
    int value = 0;
    std::int64_t time = 0;
};

// A scrolling list of rows with one selected. A click selects a row and sends kEventClick with
// its position; a right click, or the "more" mark at the right of the selected row, sends
// kEventContextMenu with its position.
class ListControl : public MControl {
  public:
    int AddItem(const ListItem& item);
    // Inserts before `position` (at the end when out of range); returns the new row's position.
    int InsertItem(int position, const ListItem& item);
    void SetItem(int position, const ListItem& item);
    ListItem GetItem(int position) const;  // an empty item out of range
    void DeleteItem(int position);
    void DelAllItems();
    int GetCount() const;
    void SetItemText(int position, const std::string& text);
    std::string GetItemText(int position) const;
    void SetItemData(int position, int data);
    int GetItemData(int position) const;  // -1 out of range
    // Selects a row (-1: none) and scrolls it into view.
    void SetCurSel(int position);
    int GetCurSel() const;
    // Image of the "more" mark; a drawn one without it.
    void SetMoreImage(const std::string& name);

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnRelease(const PointerEvent& event) override;
    void OnWheel(int steps) override;
    // Draws what a row shows left of the "more" mark.
    virtual void PaintRow(QPainter& painter, const QRect& row, const ListItem& item, bool selected,
                          const TextStyle& style);

    static constexpr int kRowHeight = 32;
    static constexpr int kMoreWidth = 28;
    int RowAtLocked(int y) const;
    QRect RowRectLocked(int position, int width) const;

    std::vector<ListItem> items_;
    int selected_ = -1;
    int firstRow_ = 0;
    std::string moreImage_;

  private:
    void ClampScrollLocked();
};

}  // namespace quillon
