#pragma once

#include <array>
#include <cstdint>

#include "emulator/VirtualFirmwareState.h"

namespace quillon {

// One profile's performance block, decoded. Field order and meaning follow the block the host
// writes with command 0x0F.
struct VirtualPerformance {
    std::uint8_t lightMode = 0;
    std::uint8_t reportRate = 4;  // 1 125 Hz, 2 250 Hz, 3 500 Hz, 4 1000 Hz
    std::uint8_t stageCount = 6;  // the stage byte
    std::uint8_t stage = 1;       // current stage, 1..6
    std::array<std::uint16_t, 6> dpi{};
    std::array<std::uint32_t, 6> colour{};  // red in the low byte
    std::uint8_t scroll = 0;
    std::uint8_t liftoff = 1;
    std::uint8_t sensor = 0;  // bits 0x10, 0x01, 0x20
    std::uint8_t respondTime = 0;
    std::uint8_t sleepMinutes = 0;
    std::uint8_t esports = 1;  // 2 on, 1 off
    std::uint8_t wakeUp = 1;

    static VirtualPerformance Decode(const VirtualFirmwareState::PerformanceBlock& block);
    // `profileIndex` goes into the block's first byte, as the host writes it.
    VirtualFirmwareState::PerformanceBlock Encode(std::uint8_t profileIndex) const;
    // Writes the fields above into an existing block, leaving its other bytes as they are.
    void EncodeInto(VirtualFirmwareState::PerformanceBlock& block) const;

    bool operator==(const VirtualPerformance&) const = default;
};

}  // namespace quillon
