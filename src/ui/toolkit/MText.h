#pragma once

#include "ui/toolkit/MControl.h"

namespace quillon {

// A text label; wraps a long text inside its rectangle.
class MText : public MControl {
  public:
    static constexpr const char* kClassName = "MText";
    const char* GetClassName() const override { return kClassName; }
};

}  // namespace quillon
