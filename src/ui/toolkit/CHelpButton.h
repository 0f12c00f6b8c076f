#pragma once

#include "ui/toolkit/MButton.h"

namespace quillon {

// A small "?" that shows its tooltip when pointed at or clicked.
class CHelpButton : public MButton {
  public:
    static constexpr const char* kClassName = "CHelpButton";
    const char* GetClassName() const override { return kClassName; }

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    void OnRelease(const PointerEvent& event) override;
};

}  // namespace quillon
