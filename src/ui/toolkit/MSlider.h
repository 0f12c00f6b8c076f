#pragma once

#include "ui/toolkit/MControl.h"

namespace quillon {

// A horizontal slider over an integer range. Dragging sends kEventChanging at every new
// position and kEventClick when released; a wheel step or a click sends both.
class MSlider : public MControl {
  public:
    static constexpr const char* kClassName = "MSlider";
    const char* GetClassName() const override { return kClassName; }

    void SetRange(int minimum, int maximum);
    int GetRangeMin() const;
    int GetRangeMax() const;
    // The position, kept within the range.
    void SetProgress(int position);
    int GetProgress() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    bool TakesInput() const override { return true; }
    void OnPress(const PointerEvent& event) override;
    void OnPointerMove(const PointerEvent& event) override;
    void OnRelease(const PointerEvent& event) override;
    void OnWheel(int steps) override;

    // The track's left end and length inside the view.
    virtual int TrackMargin(int height) const { return height / 2; }
    int PositionAt(int x, int width) const;

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;

  private:
    bool dragging_ = false;
    void MoveTo(int position);
};

}  // namespace quillon
