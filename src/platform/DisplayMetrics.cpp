#include "platform/DisplayMetrics.h"

#include <algorithm>
#include <climits>
#include <mutex>

namespace quillon {
namespace {

std::mutex g_mutex;
DisplayMetrics g_metrics;

}  // namespace

void SetProcessDisplayMetrics(const DisplayMetrics& metrics) {
    std::lock_guard lock(g_mutex);
    g_metrics = metrics;
}

DisplayMetrics ProcessDisplayMetrics() {
    std::lock_guard lock(g_mutex);
    return g_metrics;
}

DisplayMetrics ComputeDisplayMetrics(int primaryPhysicalWidth, const MonitorRect& primary,
                                     const std::vector<MonitorRect>& monitors) {
    DisplayMetrics metrics;
    int logicalWidth = primary.right - primary.left;
    if (primaryPhysicalWidth > 0 && logicalWidth > 0) {
        metrics.displayScale =
            static_cast<double>(primaryPhysicalWidth) / static_cast<double>(logicalWidth);
    }
    const std::vector<MonitorRect> primaryOnly{primary};
    const std::vector<MonitorRect>& all = monitors.empty() ? primaryOnly : monitors;
    int leftmost = all.front().left;
    int rightmost = all.front().right;
    for (const MonitorRect& monitor : all) {
        leftmost = std::min(leftmost, monitor.left);
        rightmost = std::max(rightmost, monitor.right);
    }
    double span =
        (static_cast<double>(rightmost) - static_cast<double>(leftmost)) * metrics.displayScale;
    metrics.desktopSpan = static_cast<int>(std::clamp(span, 0.0, static_cast<double>(INT_MAX)));
    return metrics;
}

}  // namespace quillon
