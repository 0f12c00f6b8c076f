#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Length a UTF-8 sequence announces by its first byte; 0 for a byte that cannot start one.
size_t Utf8SequenceLength(unsigned char lead);
// Decodes the code point at text[pos] and moves pos past it. A malformed, overlong, surrogate or
// truncated sequence gives false after skipping its first byte only, so decoding resynchronises.
bool DecodeUtf8(std::string_view text, size_t& pos, char32_t& codePoint);
void AppendUtf8(std::string& out, char32_t codePoint);

// UTF-8 <-> UTF-16 for the few places that count UTF-16 code units. Malformed input (bad UTF-8
// bytes, lone surrogates) becomes U+FFFD instead of being passed on.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quillon
