#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillon {

// One framed command: the 65-byte output report (report id 0, marker 0x55, command, qualifier,
// checksum, 60 data bytes). The reply is read into the same bytes with the report id stripped:
// marker 0xAA at offset 0, the echoed command at offset 1; offset 64 keeps the request's byte.
struct CommandFrame {
    static constexpr std::size_t kSize = 65;
    static constexpr std::uint8_t kRequestMarker = 0x55;
    static constexpr std::uint8_t kReplyMarker = 0xAA;
    static constexpr std::size_t kChecksumOffset = 4;
    static constexpr std::size_t kDataOffset = 5;

    std::array<std::uint8_t, kSize> bytes{};

    CommandFrame() = default;
    // A zeroed frame carrying the marker, the command and its qualifier.
    CommandFrame(std::uint8_t command, std::uint8_t qualifier);

    std::uint8_t& operator[](std::size_t offset) { return bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return bytes[offset]; }
    std::uint8_t* data() { return bytes.data(); }
    const std::uint8_t* data() const { return bytes.data(); }

    // Little-endian 16-bit value at `offset` and `offset + 1`.
    void PutU16(std::size_t offset, std::uint16_t value);
    std::uint16_t GetU16(std::size_t offset) const;

    // Sum of the 60 data bytes (offsets 5 to 64), modulo 256.
    std::uint8_t Checksum() const;
    void StoreChecksum() { bytes[kChecksumOffset] = Checksum(); }

    // The reply test callers make: the reply marker and the echo of `command`.
    bool IsReplyTo(std::uint8_t command) const;
};

static_assert(sizeof(CommandFrame) == CommandFrame::kSize, "a framed command is 65 bytes");

}  // namespace quillon
