#pragma once

#include <string>

#include "ui/toolkit/MSlider.h"

namespace quillon {

// The DPI slider: position = DPI / 100, over 1..260 unless set otherwise. Shows the DPI of its
// position above the knob.
class DPISlider : public MSlider {
  public:
    static constexpr const char* kClassName = "DPISlider";
    const char* GetClassName() const override { return kClassName; }
    DPISlider();

    // The image behind the value shown above the knob.
    void SetThumbImage(const std::string& name);

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    int TrackMargin(int) const override { return 28; }

  private:
    std::string thumbImage_;
};

}  // namespace quillon
