#pragma once

#include "ui/toolkit/MEdit.h"

namespace quillon {

// A digits-only field with step arrows: an arrow moves the number one step within the range
// and sends kEventClick.
class NumberEdit : public MEdit {
  public:
    static constexpr const char* kClassName = "NumberEdit";
    const char* GetClassName() const override { return kClassName; }
    NumberEdit();

    void SetRange(int minimum, int maximum);
    // The number shown (0 when the field holds no digits).
    int GetValue() const;
    void SetValue(int value);

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    void OnRelease(const PointerEvent& event) override;
    int RightMargin() const override { return kArrowWidth; }

  private:
    static constexpr int kArrowWidth = 18;
    int minimum_ = 0;
    int maximum_ = 99999;
};

}  // namespace quillon
