#pragma once

#include <string>
#include <string_view>

namespace quillon {

// "<" "&" ">" "'" and the double quote as the entities "&lt;" "&amp;" "&gt;" "&apos;" "&quot;".
std::string EscapeXml(std::string_view text);

// Replaces character references (decimal and hexadecimal) and named entity references by the
// characters they stand for. A reference that is unknown, out of range or a lone surrogate stays
// as written, so the result is valid UTF-8 whenever the input is.
std::string DecodeReferences(std::string_view raw);

}  // namespace quillon
