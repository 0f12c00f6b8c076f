#include "platform/InstanceMessage.h"

#include <charconv>
#include <string>
#include <string_view>

namespace quillon {
namespace {

constexpr std::string_view kShowWord = "show";

bool IsAllowed(int message) {
    return message == MSG_QUIT_REQUEST || message == MSG_PROFILE_FILE || message == MSG_APPLY_TEXTS;
}

// Reads one decimal number that ends at a blank or at the end of the text; false otherwise.
template <typename Number>
bool TakeNumber(std::string_view& text, Number& value, bool last) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Only the one spelling the encoder writes: no leading zeros, no "-0".
    if (error != std::errc() || end == text.data() ||
        std::string_view(text.data(), static_cast<size_t>(end - text.data())) !=
            std::to_string(value)) {
        return false;
    }
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    if (last) {
        return text.empty();
    }
    if (text.empty() || text.front() != ' ') {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::string EncodeInstanceMessage(const InstanceMessage& message) {
    if (message.show) {
        return std::string(kShowWord);
    }
    if (!IsAllowed(message.message)) {
        return {};
    }
    return std::to_string(message.message) + " " + std::to_string(message.wParam) + " " +
           std::to_string(message.lParam);
}

std::optional<InstanceMessage> DecodeInstanceMessage(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.size() > kMaxInstanceMessageLength) {
        return std::nullopt;
    }
    InstanceMessage decoded;
    if (line == kShowWord) {
        decoded.show = true;
        return decoded;
    }
    if (!TakeNumber(line, decoded.message, false) || !TakeNumber(line, decoded.wParam, false) ||
        !TakeNumber(line, decoded.lParam, true) || !IsAllowed(decoded.message)) {
        return std::nullopt;
    }
    return decoded;
}

}  // namespace quillon
