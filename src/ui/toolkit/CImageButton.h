#pragma once

#include "ui/toolkit/MButton.h"

namespace quillon {

// A button that is only its image (close, reset, step buttons); without the file, a symbol
// chosen by the image's name.
class CImageButton : public MButton {
  public:
    static constexpr const char* kClassName = "CImageButton";
    const char* GetClassName() const override { return kClassName; }

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
};

}  // namespace quillon
