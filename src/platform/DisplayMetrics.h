#pragma once

#include <vector>

namespace quillon {

// A monitor's rectangle in the desktop's logical coordinates (right and bottom exclusive).
struct MonitorRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct DisplayMetrics {
    double displayScale = 1.0;  // physical width of the primary monitor / its logical width
    int desktopSpan = 0;        // width of all monitors together, in physical pixels
};

// Display scale and desktop span from the primary monitor's physical width, its logical
// rectangle and the rectangles of all monitors. A primary monitor without a usable width gives
// scale 1; an empty monitor list stands for the primary monitor alone.
DisplayMetrics ComputeDisplayMetrics(int primaryPhysicalWidth, const MonitorRect& primary,
                                     const std::vector<MonitorRect>& monitors);

// The process's values: written once by the start-up code, read by the edge watch of
// the macro recorder. Any thread.
void SetProcessDisplayMetrics(const DisplayMetrics& metrics);
DisplayMetrics ProcessDisplayMetrics();

}  // namespace quillon
