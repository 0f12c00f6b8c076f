#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/DisplayMetrics.h"

namespace quillon {
namespace {

TEST(DisplayMetrics, ScaleOfThePrimaryMonitorTimesTheWidthOfAllMonitors) {
    struct Case {
        const char* what;
        int physicalWidth;
        MonitorRect primary;
        std::vector<MonitorRect> monitors;
        double scale;
        int span;
    };
    const MonitorRect fullHd{0, 0, 1920, 1080};
    const Case cases[] = {
        {"one monitor", 1920, fullHd, {fullHd}, 1.0, 1920},
        {"scaled primary, second to its right",
         2880,
         fullHd,
         {fullHd, {1920, 0, 3840, 1080}},
         1.5,
         5760},
        {"second to the left", 1920, fullHd, {{-1280, 0, 0, 1024}, fullHd}, 1.0, 3200},
        {"truncated, not rounded", 3000, fullHd, {fullHd, {1920, 0, 1921, 1}}, 1.5625, 3001},
        {"no monitors listed: the primary alone", 2880, fullHd, {}, 1.5, 2880},
        {"primary without width", 2880, {100, 0, 100, 0}, {fullHd}, 1.0, 1920},
        {"no physical width", 0, fullHd, {fullHd}, 1.0, 1920},
        {"inverted rectangle", 1920, fullHd, {{500, 0, 100, 10}}, 1.0, 0},
        {"beyond int", 8, {0, 0, 2, 1}, {{INT_MIN / 2, 0, INT_MAX / 2, 1}}, 4.0, INT_MAX},
    };
    for (const Case& c : cases) {
        DisplayMetrics metrics = ComputeDisplayMetrics(c.physicalWidth, c.primary, c.monitors);
        EXPECT_DOUBLE_EQ(metrics.displayScale, c.scale) << c.what;
        EXPECT_EQ(metrics.desktopSpan, c.span) << c.what;
    }
}

}  // namespace
}  // namespace quillon
