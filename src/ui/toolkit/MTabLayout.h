#pragma once

#include "ui/toolkit/CArea.h"

namespace quillon {

// A page area: holds a tab page's controls and is shown while its tab item is selected. It draws
// nothing itself.
class MTabLayout : public CArea {
  public:
    static constexpr const char* kClassName = "MTabLayout";
    const char* GetClassName() const override { return kClassName; }

  protected:
    void Paint(QPainter&, const ViewState&) override {}
};

}  // namespace quillon
