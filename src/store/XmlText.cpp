#include "store/XmlText.h"

#include "store/TextEncoding.h"
#include "store/XmlEntities.h"

namespace quillon {
namespace {

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int DigitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (hex && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (hex && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads "&#123;", "&#x7B;" from `pos` (at the ampersand); `end` is set past the semicolon.
bool ReadCharacterReference(std::string_view raw, size_t pos, size_t& end, char32_t& codePoint) {
    size_t i = pos + 2;
    const bool hex = i < raw.size() && (raw[i] == 'x' || raw[i] == 'X');
    if (hex) {
        ++i;
    }
    const size_t firstDigit = i;
    char32_t value = 0;
    for (int digit = 0; i < raw.size() && (digit = DigitValue(raw[i], hex)) >= 0; ++i) {
        if (value <= 0x10FFFF) {
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        }
    }
    if (i == firstDigit || i >= raw.size() || raw[i] != ';' || value == 0 || value > 0x10FFFF) {
        return false;
    }
    end = i + 1;
    codePoint = value;
    return true;
}

bool ReadEntityReference(std::string_view raw, size_t pos, size_t& end, char32_t& codePoint) {
    size_t i = pos + 1;
    while (i < raw.size() && i - pos <= kMaxEntityName && IsAsciiAlnum(raw[i])) {
        ++i;
    }
    if (i >= raw.size() || raw[i] != ';' ||
        !LookupEntity(raw.substr(pos + 1, i - pos - 1), codePoint)) {
        return false;
    }
    end = i + 1;
    return true;
}

bool ReadReference(std::string_view raw, size_t pos, size_t& end, char32_t& codePoint) {
    if (pos + 1 < raw.size() && raw[pos + 1] == '#') {
        return ReadCharacterReference(raw, pos, end, codePoint);
    }
    return ReadEntityReference(raw, pos, end, codePoint);
}

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::string EscapeXml(std::string_view text) {
    if (text.find_first_of("<&>'\"") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size() + 16);
    for (const char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '\'':
                out += "&apos;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

std::string DecodeReferences(std::string_view raw) {
    size_t ampersand = raw.find('&');
    if (ampersand == std::string_view::npos) {
        return std::string(raw);
    }
    std::string out;
    out.reserve(raw.size());
    size_t pos = 0;
    while (ampersand != std::string_view::npos) {
        out.append(raw.substr(pos, ampersand - pos));
        size_t end = ampersand;
        char32_t codePoint = 0;
        if (!ReadReference(raw, ampersand, end, codePoint)) {
            out += '&';
            pos = ampersand + 1;
        } else if (!IsHighSurrogate(codePoint) && !IsLowSurrogate(codePoint)) {
            AppendUtf8(out, codePoint);
            pos = end;
        } else {
            // A surrogate pair written as two references makes one character; a lone surrogate
            // has no UTF-8 form and stays as written.
            size_t lowEnd = end;
            char32_t low = 0;
            if (IsHighSurrogate(codePoint) && end < raw.size() && raw[end] == '&' &&
                ReadReference(raw, end, lowEnd, low) && IsLowSurrogate(low)) {
                AppendUtf8(out, 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00));
                pos = lowEnd;
            } else {
                out.append(raw.substr(ampersand, end - ampersand));
                pos = end;
            }
        }
        ampersand = raw.find('&', pos);
    }
    out.append(raw.substr(pos));
    return out;
}

}  // namespace quillon
