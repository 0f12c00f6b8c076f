#pragma once

#include <string>
#include <vector>

#include "ui/toolkit/MControl.h"

namespace quillon {

class MTabLayout;

// A row of tab items, each with an item id, a text, an icon and the page area it shows.
// Selecting an item shows its page area and hides the others; a click on an item selects it and
// sends kEventClick with its position. A disabled control ignores clicks.
class MTabCtrl : public MControl {
  public:
    static constexpr const char* kClassName = "MTabCtrl";
    const char* GetClassName() const override { return kClassName; }

    // Appends an item; returns its position.
    int InsertItem(int itemId, const std::string& text, const std::string& icon, MTabLayout* page);
    int GetItemCount() const;
    void SetItemText(int position, const std::string& text);
    std::string GetItemText(int position) const;
    int GetItemID(int position) const;  // -1 out of range
    void SetCurSel(int position);
    int GetCurSel() const;

    // Item geometry: the icon's box, the space kept free around the row of items (a bottom
    // padding only where the control is tall enough) and the item size (minimum, maximum,
    // fixed: 1 keeps the minimum).
    void SetTabCtrlWidth(int width);
    void SetTabCtrlHeight(int height);
    void SetLeftRightPading(int left, int right);
    void SetTopBottomPading(int top, int bottom);
    void SetItemWidth(int minimum, int maximum, int fixed);
    void SetItemHeight(int minimum, int maximum, int fixed);

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnRelease(const PointerEvent& event) override;
    // Left/Up and Right/Down select the neighbouring item, Home and End the first and last,
    // each as a click on that item would. The ring marks the selected item.
    bool TakesFocus() const override { return true; }
    bool OnKey(Key key) override;
    MRect FocusRect(int width, int height) const override;

  private:
    struct Item {
        int id = 0;
        std::string text;
        std::string icon;
        MTabLayout* page = nullptr;
    };
    // Item boxes side by side from the left padding; call under Lock().
    std::vector<std::pair<int, int>> ItemSpansLocked(int width) const;
    int ItemWidthLocked(int width) const;
    int ItemHeightLocked(int height) const;

    std::vector<Item> items_;
    int selected_ = -1;
    int iconWidth_ = 24;
    int iconHeight_ = 24;
    int padLeft_ = 0;
    int padRight_ = 0;
    int padTop_ = 0;
    int padBottom_ = 0;
    int itemMinWidth_ = 60;
    int itemMaxWidth_ = 60;
    int itemMinHeight_ = 60;
    int itemMaxHeight_ = 60;
    bool fixedWidth_ = true;
    bool fixedHeight_ = true;
};

}  // namespace quillon
