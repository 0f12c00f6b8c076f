#pragma once

#include "ui/toolkit/MControl.h"

namespace quillon {

// A skin image stretched over the control's rectangle; nothing is drawn when the file is missing.
class MPicture : public MControl {
  public:
    static constexpr const char* kClassName = "MPicture";
    const char* GetClassName() const override { return kClassName; }

    // The image file's size, (0, 0) when it is missing. GUI thread.
    void GetImageSize(int& width, int& height) const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
};

}  // namespace quillon
