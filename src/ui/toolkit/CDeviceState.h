#pragma once

#include "ui/toolkit/MControl.h"

namespace quillon {

// The connection status: a status mark and the status text (the title).
class CDeviceState : public MControl {
  public:
    static constexpr const char* kClassName = "CDeviceState";
    const char* GetClassName() const override { return kClassName; }

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    int DefaultStates() const override { return 4; }
};

}  // namespace quillon
