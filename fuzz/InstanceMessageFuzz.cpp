// Feeds arbitrary bytes, as another process may write them to the single-instance socket, to the
// message decoder: whatever it accepts must be exactly the line the encoder writes for it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/InstanceMessage.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view line(reinterpret_cast<const char*>(data), size);
    std::optional<quillon::InstanceMessage> message = quillon::DecodeInstanceMessage(line);
    if (!message) {
        return 0;
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    Require(quillon::EncodeInstanceMessage(*message) == line);
    Require(line.size() <= quillon::kMaxInstanceMessageLength);
    return 0;
}
