#include "device/CommandFrame.h"

namespace quillon {

CommandFrame::CommandFrame(std::uint8_t command, std::uint8_t qualifier) {
    bytes[1] = kRequestMarker;
    bytes[2] = command;
    bytes[3] = qualifier;
}

void CommandFrame::PutU16(std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t CommandFrame::GetU16(std::size_t offset) const {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint8_t CommandFrame::Checksum() const {
    unsigned sum = 0;
    for (std::size_t i = kDataOffset; i < kSize; ++i) {
        sum += bytes[i];
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}

bool CommandFrame::IsReplyTo(std::uint8_t command) const {
    return bytes[0] == kReplyMarker && bytes[1] == command;
}

}  // namespace quillon
