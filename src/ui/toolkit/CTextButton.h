#pragma once

#include "ui/toolkit/MButton.h"

namespace quillon {

// A button drawn as a link: its title, underlined while the pointer is over it.
class CTextButton : public MButton {
  public:
    static constexpr const char* kClassName = "CTextButton";
    const char* GetClassName() const override { return kClassName; }

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    // Around the text, not the whole rectangle.
    MRect FocusRect(int width, int height) const override;
};

}  // namespace quillon
