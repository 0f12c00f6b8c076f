#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillon {

// One block of the block form: target, second header byte, command (or reply) code, 60
// parameter bytes, and a checksum in the last byte that makes the 64 bytes sum to 0xA1.
struct Block64 {
    static constexpr std::size_t kSize = 64;
    static constexpr std::size_t kChecksumOffset = 63;
    static constexpr std::uint8_t kChecksumTotal = 0xA1;

    std::array<std::uint8_t, kSize> bytes{};

    std::uint8_t& operator[](std::size_t offset) { return bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return bytes[offset]; }

    // (0xA1 - sum of bytes 0 to 62) modulo 256.
    std::uint8_t Checksum() const;
};

static_assert(sizeof(Block64) == Block64::kSize, "a block is 64 bytes");

}  // namespace quillon
