#include "device/Block64.h"

namespace quillon {

std::uint8_t Block64::Checksum() const {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kChecksumOffset; ++i) {
        sum += bytes[i];
    }
    return static_cast<std::uint8_t>((kChecksumTotal - sum) & 0xFF);
}

}  // namespace quillon
