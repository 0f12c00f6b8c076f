#pragma once

#include <cstdint>

namespace quillon {

// Milliseconds since the system started, wrapping after about 49.7 days: the time stamp of
// inserted macro items and the number in exported macro file names.
std::uint32_t TickCount();

}  // namespace quillon
