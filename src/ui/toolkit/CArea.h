#pragma once

#include "ui/toolkit/MControl.h"

namespace quillon {

// A framed area that can hold other controls (created with it as their parent).
class CArea : public MControl {
  public:
    static constexpr const char* kClassName = "CArea";
    const char* GetClassName() const override { return kClassName; }

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool IsContainer() const override { return true; }
};

}  // namespace quillon
