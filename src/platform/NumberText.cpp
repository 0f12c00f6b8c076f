#include "platform/NumberText.h"

#include <climits>
#include <cstdint>

namespace quillon {
namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

int ParseLeading(std::string_view text, int base) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (base == 16 && i + 2 < text.size() && text[i] == '0' &&
        (text[i + 1] == 'x' || text[i + 1] == 'X') && DigitValue(text[i + 2], 16) >= 0) {
        i += 2;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i], base);
        if (digit < 0) {
            break;
        }
        value = value * base + digit;
        if (value > static_cast<std::int64_t>(INT_MAX) + 1) {
            value = static_cast<std::int64_t>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        value = INT_MAX;
    }
    return static_cast<int>(value);
}

}  // namespace

int ParseLeadingInt(std::string_view text) {
    return ParseLeading(text, 10);
}

int ParseLeadingHex(std::string_view text) {
    return ParseLeading(text, 16);
}

bool ParseWholeInt(std::string_view text, int& value) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 10) {
        return false;
    }
    std::int64_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        number = number * 10 + (c - '0');
    }
    number = negative ? -number : number;
    if (number < INT_MIN || number > INT_MAX) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

std::string Hex4(int value) {
    static const char digits[] = "0123456789abcdef";
    const auto word = static_cast<unsigned>(value) & 0xFFFFu;
    return {digits[word >> 12], digits[(word >> 8) & 0xF], digits[(word >> 4) & 0xF],
            digits[word & 0xF]};
}

}  // namespace quillon
