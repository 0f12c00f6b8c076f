#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Leading decimal number of a text, as C's atoi reads it: blanks, an optional sign, digits.
// 0 when there are no digits; clamped to the int range instead of overflowing.
int ParseLeadingInt(std::string_view text);

// Leading hexadecimal number (as strtol with base 16: optional sign and "0x"); 0 when none.
int ParseLeadingHex(std::string_view text);

// The whole text as a decimal int: an optional '-' and digits, nothing else, within the int
// range. False, leaving `value` alone, for anything else (blanks, '+', empty text).
bool ParseWholeInt(std::string_view text, int& value);

// The low 16 bits as four lower-case hexadecimal digits ("1915", "ae1c"), as USB ids are written.
std::string Hex4(int value);

}  // namespace quillon
