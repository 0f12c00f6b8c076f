#include "ui/pages/PerformancePage.h"

#include <algorithm>
#include <cmath>

#include "ui/pages/PerformancePageIds.h"
#include "ui/toolkit/ColorButtonEx.h"

namespace quillon {

namespace {

// The page area at the window's own size (1121 x 780), in which the base layout is given.
constexpr MRect kBaseArea{1, 110, 1120, 730};
// The report-rate row: slots of the four visible buttons.
constexpr int kRateLeft = 40;
constexpr int kRateTop = 468;
constexpr int kRateWidth = 100;
constexpr int kRateHeight = 34;
constexpr int kRateGap = 12;

int Times(int value, float scale) {
    return static_cast<int>(std::lround(static_cast<float>(value) * scale));
}

}  // namespace

MRect PerformancePage::Scaled(const MRect& base) const {
    float scale = scale_.load();
    int x = originX_.load() - Times(kBaseArea.left, scale);
    int y = originY_.load() - Times(kBaseArea.top, scale);
    return {x + Times(base.left, scale), y + Times(base.top, scale), x + Times(base.right, scale),
            y + Times(base.bottom, scale)};
}

void PerformancePage::Place(int, int, float scale) {
    // The page follows its area: scaled with the window, but never beyond the area, and
    // centred in an area wider than the scaled page.
    MRect area = area_->GetRect();
    if (area.Width() > 0 && area.Height() > 0) {
        scale = std::min(
            {scale, static_cast<float>(area.Width()) / static_cast<float>(kBaseArea.Width()),
             static_cast<float>(area.Height()) / static_cast<float>(kBaseArea.Height())});
    } else {
        area = {Times(kBaseArea.left, scale), Times(kBaseArea.top, scale), 0, 0};
    }
    scale_ = scale;
    originX_ = area.left + std::max(0, (area.Width() - Times(kBaseArea.Width(), scale)) / 2);
    originY_ = area.top;
    for (const Placed& placed : placed_) {
        placed.control->SetRect(placed.panel != nullptr ? HeadingRect(placed)
                                                        : Scaled(placed.base));
        placed.control->SetFontWidth(std::max(1, Times(placed.fontPixels, scale)));
    }
    PlaceRateButtons();
}

// A panel draws its title 18 pixels in and 12 down whatever the scale; a heading label does the
// same.
MRect PerformancePage::HeadingRect(const Placed& heading) const {
    MRect panel = heading.panel->GetRect();
    float scale = scale_.load();
    int right =
        heading.base.right > 0 ? Scaled(heading.base).right : panel.right - Times(48, scale);
    return {panel.left + 18, panel.top + 12, right, panel.top + 12 + Times(24, scale)};
}

// With a cable the mouse runs at 1000 Hz only, which then takes the first slot alone.
void PerformancePage::PlaceRateButtons() {
    bool wired = wiredRates_.load();
    for (int i = 0; i < static_cast<int>(rates_.size()); ++i) {
        int slot = wired ? 0 : i;
        int left = kRateLeft + slot * (kRateWidth + kRateGap);
        bool shown =
            wired ? rates_[i]->GetID() == perf::kRate1000 : rates_[i]->GetID() <= perf::kRate1000;
        rates_[i]->SetRect(
            shown ? Scaled({left, kRateTop, left + kRateWidth, kRateTop + kRateHeight}) : MRect{});
        rates_[i]->SetVisible(shown);
    }
}

}  // namespace quillon
