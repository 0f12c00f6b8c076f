#include "app/LowBatteryWatch.h"

namespace quillon {

bool LowBatteryWatch::Report(int level, int state) {
    if (state == kUnknown) {
        return false;
    }
    if (level > kLowLevel) {
        warned_ = false;
        return false;
    }
    if (state == kCharging || warned_) {
        return false;
    }
    warned_ = true;
    return true;
}

}  // namespace quillon
