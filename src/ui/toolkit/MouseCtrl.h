#pragma once

#include <string>
#include <vector>

#include "ui/toolkit/MControl.h"

namespace quillon {

// The mouse with a label for each programmable button: labels stand in two columns beside the
// mouse, each joined to its button's anchor point. A click on a label selects it and sends
// kEventClick with its position.
class MouseCtrl : public MControl {
  public:
    static constexpr const char* kClassName = "MouseCtrl";
    const char* GetClassName() const override { return kClassName; }

    static constexpr int kSideLeft = 0;
    static constexpr int kSideRight = 1;

    // anchor: the button the label points at (1 left, 2 middle, 3 right, 4 back side, 5 front
    // side, 7 wheel up, 8 wheel down); side: kSide*.
    int AddItem(const std::string& text, int anchor, int side);
    int GetItemCount() const;
    void SetItemText(int index, const std::string& text);
    std::string GetItemText(int index) const;
    void SetSelectItem(int index);
    int GetSelectItem() const;
    // The picture of the mouse drawn between the columns; a drawn outline without it.
    void SetMouseImage(const std::string& name);

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnRelease(const PointerEvent& event) override;

  private:
    struct Item {
        std::string text;
        int anchor = 0;
        int side = kSideLeft;
    };
    struct Geometry;
    Geometry LayoutLocked(int width, int height) const;

    std::vector<Item> items_;
    int selected_ = -1;
    std::string mouseImage_;
};

}  // namespace quillon
