#pragma once

#include "ui/toolkit/MControl.h"

namespace quillon {

// A push button: a click sends kEventClick. Drawn from its skin image (normal, hover, pressed,
// disabled side by side) or as a filled rounded button.
class MButton : public MControl {
  public:
    static constexpr const char* kClassName = "MButton";
    const char* GetClassName() const override { return kClassName; }
    MButton();

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnRelease(const PointerEvent& event) override;
    int DefaultStates() const override { return 4; }
    // Enter and Space press a focused button.
    bool TakesFocus() const override { return true; }
    bool OnKey(Key key) override;
};

}  // namespace quillon
