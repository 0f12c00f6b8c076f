#pragma once

#include <string>

#include "ui/toolkit/MControl.h"

namespace quillon {

// A check box. With a group name it becomes one of an exclusive group: checking it clears every
// other control of that group in the dialog, and a click only checks. A click sends kEventClick.
class CCheckButton : public MControl {
  public:
    static constexpr const char* kClassName = "CCheckButton";
    const char* GetClassName() const override { return kClassName; }

    void SetCheck(bool checked);
    bool GetCheck() const;
    void SetGroupName(const std::string& group);
    std::string GetGroupName() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnRelease(const PointerEvent& event) override;
    int DefaultStates() const override { return 2; }
    // Enter and Space act as a click on a focused box.
    bool TakesFocus() const override { return true; }
    bool OnKey(Key key) override;
    // What a click does: toggle, or check when grouped.
    virtual void Clicked();
    // Draws the box (or circle, or switch) into `box`.
    virtual void PaintMark(QPainter& painter, const QRect& box, bool checked,
                           const ViewState& state);

    bool checked_ = false;
    std::string group_;
};

}  // namespace quillon
