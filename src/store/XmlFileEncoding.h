#pragma once

#include <string>
#include <string_view>

#include "store/TextEncoding.h"

namespace quillon {

// The charset named by an XML declaration at the start of `text` (within its first 1024 bytes),
// empty when none is named. Only names made of letters, digits and ". _ - :" are taken.
std::string DeclaredEncoding(std::string_view text);

struct DecodedXmlFile {
    Conversion conversion;        // the text as UTF-8
    bool unknownCharset = false;  // the declared charset is unknown; the default rule was used
};

// A file's bytes as UTF-8 text. The encoding comes from a byte-order mark (UTF-8, UTF-16 little
// or big endian), else from UTF-16 without a mark recognised by its first "<", else from the
// declaration, else UTF-8 when the file starts with "<" or is valid UTF-8, else Windows-1252.
DecodedXmlFile DecodeXmlFile(std::string_view bytes);

// The UTF-8 text in the charset its declaration names (as it is when none is named), without a
// byte-order mark. False when the charset is unknown.
bool EncodeXmlFile(std::string_view text, Conversion& out);

}  // namespace quillon
