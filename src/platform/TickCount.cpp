#include "platform/TickCount.h"

#include <chrono>

namespace quillon {

std::uint32_t TickCount() {
    // steady_clock counts from boot on Linux, as the tick count does elsewhere.
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace quillon
