#include "protocol/MouseParts.h"

#include "protocol/DeviceOperations.h"

namespace quillon {

bool SendParts(DeviceOperations& operations, const MouseParts& parts) {
    if (parts.macros && !operations.WriteMacros()) {
        return false;
    }
    if (parts.buttons) {
        operations.WriteButtons();
    }
    if (parts.performance) {
        operations.WritePerformanceBlock();
    }
    if (parts.currentDpi) {
        operations.WriteCurrentDpi();
    }
    if (parts.reportRate) {
        operations.WriteReportRate();
    }
    if (parts.lightMode) {
        operations.WriteLightMode();
    }
    return true;
}

}  // namespace quillon
