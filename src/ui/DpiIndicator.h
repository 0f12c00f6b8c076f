#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "ui/GuiTimer.h"
#include "ui/toolkit/ToolkitTypes.h"

namespace quillon {

// The notice shown when the stage is switched on the mouse itself: a small dark window near the
// bottom-right corner of the screen with the stage above and its DPI below. It takes neither
// input nor the focus, stays above other windows where the desktop allows it (elsewhere it is an
// ordinary popup), and closes itself after three seconds. Every stage change gets a new one.
class DpiIndicator : public QWidget {
  public:
    static constexpr int kWidth = 250;
    static constexpr int kHeight = 100;
    static constexpr int kMargin = 10;  // from the work area's right and bottom edges
    static constexpr int kLifetimeMs = 3000;
    static constexpr int kAlpha = 220;
    static constexpr int kFontPixels = 24;

    // Shows a notice for the lParam of MSG_DPI_CHANGED (DPI << 16 | stage) inside `workArea`,
    // the screen's area without its panels. GUI thread.
    static DpiIndicator* Show(std::intptr_t lParam, const MRect& workArea,
                              GuiTimer& timer = RealGuiTimer());
    // Where a notice lies within a work area.
    static MRect PlaceIn(const MRect& workArea);

    int Stage() const { return stage_; }
    int Dpi() const { return dpi_; }
    QString UpperLine() const;
    QString LowerLine() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    DpiIndicator(int stage, int dpi);

    int stage_;
    int dpi_;
};

// The available area of the primary screen: its rectangle less task bars and panels.
MRect PrimaryWorkArea();

}  // namespace quillon
