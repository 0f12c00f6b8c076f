#include "cli/TerminalText.h"

namespace quillon::cli {

std::string Shown(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 15];
            continue;
        }
        // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8.
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
            shown += "\\u00";
            shown += kHex[next >> 4];
            shown += kHex[next & 15];
            ++i;
            continue;
        }
        shown += static_cast<char>(c);
    }
    return shown;
}

}  // namespace quillon::cli
