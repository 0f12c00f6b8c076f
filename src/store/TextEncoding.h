#pragma once

#include <string>
#include <string_view>

#include "platform/Utf16.h"

namespace quillon {

// Result of a text conversion. `lossy`: something could not be represented or was not valid in
// the source and was replaced. `truncated`: the input ended in the middle of a character.
struct Conversion {
    std::string text;
    bool lossy = false;
    bool truncated = false;
};

bool IsValidUtf8(std::string_view bytes);

// Valid UTF-8 with every invalid sequence replaced by U+FFFD.
Conversion RepairUtf8(std::string_view bytes);

// UTF-16 bytes to UTF-8; unpaired surrogates become U+FFFD, an odd last byte is dropped.
Conversion Utf16ToUtf8(std::string_view bytes, bool bigEndian);
Conversion Utf8ToUtf16(std::string_view text, bool bigEndian);

// Windows-1252, our stand-in for the "ANSI code page" of Windows. The five byte values the code
// page leaves undefined map to the C1 controls of the same number, as Windows maps them.
std::string Windows1252ToUtf8(std::string_view bytes);
Conversion Utf8ToWindows1252(std::string_view text);

// Any other charset through iconv. False when iconv does not know one of the names. Bytes that
// are invalid in the source become U+FFFD (into UTF-8) or "?" (out of UTF-8).
bool ConvertWithIconv(std::string_view input, const char* from, const char* to, Conversion& out);

}  // namespace quillon
