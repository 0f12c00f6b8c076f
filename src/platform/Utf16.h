#pragma once

#include <string>
#include <string_view>

namespace quillon {

// UTF-8 <-> UTF-16 for the few places that count UTF-16 code units. Malformed input (bad UTF-8
// bytes, lone surrogates) becomes U+FFFD instead of being passed on.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quillon
