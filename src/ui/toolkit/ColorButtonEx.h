#pragma once

#include "ui/toolkit/CCheckButton.h"

namespace quillon {

// A pill-shaped choice button (the report rates); checked ones are filled with the accent colour.
// Usually grouped, so that one of the group is on.
class ColorButtonEx : public CCheckButton {
  public:
    static constexpr const char* kClassName = "ColorButtonEx";
    const char* GetClassName() const override { return kClassName; }
    ColorButtonEx();

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    int DefaultStates() const override { return 4; }
};

}  // namespace quillon
