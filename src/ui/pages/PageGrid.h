#pragma once

#include <cmath>

#include "ui/toolkit/ToolkitTypes.h"

namespace quillon {

// Turns a page's design coordinates (a 1119 × 620 page area at scale 1) into window client
// coordinates for the page area's origin and the window's UI scale.
struct PageGrid {
    int left = 0;
    int top = 0;
    float scale = 1.0f;

    int X(int x) const {
        return left + static_cast<int>(std::lround(static_cast<float>(x) * scale));
    }
    int Y(int y) const {
        return top + static_cast<int>(std::lround(static_cast<float>(y) * scale));
    }
    MRect At(int l, int t, int r, int b) const { return {X(l), Y(t), X(r), Y(b)}; }
};

}  // namespace quillon
