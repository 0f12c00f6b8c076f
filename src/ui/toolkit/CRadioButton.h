#pragma once

#include "ui/toolkit/CCheckButton.h"

namespace quillon {

// A radio button: a click checks it (and, through its group name, clears the others).
class CRadioButton : public CCheckButton {
  public:
    static constexpr const char* kClassName = "CRadioButton";
    const char* GetClassName() const override { return kClassName; }

  protected:
    void Clicked() override { SetCheck(true); }
    void PaintMark(QPainter& painter, const QRect& box, bool checked,
                   const ViewState& state) override;
};

}  // namespace quillon
