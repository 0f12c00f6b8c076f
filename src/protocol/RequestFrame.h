#pragma once

#include <array>
#include <cstdint>

namespace quillon {

// A framed command as written to the mouse: report id 0, marker 0x55, command, qualifier,
// checksum (filled in by the channel), then the data area.
using RequestFrame = std::array<std::uint8_t, 65>;

inline constexpr std::uint8_t kRequestMarker = 0x55;

// A zeroed frame carrying the marker, the command and its qualifier.
inline RequestFrame MakeRequestFrame(std::uint8_t command, std::uint8_t qualifier) {
    RequestFrame frame{};
    frame[1] = kRequestMarker;
    frame[2] = command;
    frame[3] = qualifier;
    return frame;
}

}  // namespace quillon
