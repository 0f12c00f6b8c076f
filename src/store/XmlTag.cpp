#include "store/XmlTag.h"

#include <array>
#include <string_view>

namespace quillon {
namespace {

// Bytes that may stand in an element or attribute name: all but white space, NUL and the
// characters that end or structure markup.
constexpr std::array<bool, 256> kNameChar = [] {
    std::array<bool, 256> table{};
    for (size_t c = 0; c < table.size(); ++c) {
        table[c] = true;
    }
    for (const char c : std::string_view(" \t\r\n<>/=?!\"'&")) {
        table[static_cast<unsigned char>(c)] = false;
    }
    table[0] = false;
    return table;
}();

bool IsNameChar(char c) {
    return kNameChar[static_cast<unsigned char>(c)];
}

size_t SkipSpaces(std::string_view text, size_t pos) {
    while (pos < text.size() && IsXmlSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

}  // namespace

size_t XmlNameLength(std::string_view text, size_t pos) {
    size_t end = pos;
    while (end < text.size() && IsNameChar(text[end])) {
        ++end;
    }
    return end - pos;
}

bool IsXmlName(std::string_view name) {
    return !name.empty() && XmlNameLength(name, 0) == name.size();
}

TagPart NextTagPart(std::string_view text, size_t& pos, XmlAttributeSpan& attribute) {
    size_t p = SkipSpaces(text, pos);
    if (p >= text.size()) {
        return TagPart::kMalformed;
    }
    if (text[p] == '>') {
        pos = p + 1;
        return TagPart::kClose;
    }
    if (text[p] == '/') {
        if (p + 1 < text.size() && text[p + 1] == '>') {
            pos = p + 2;
            return TagPart::kEmptyClose;
        }
        return TagPart::kMalformed;
    }
    const size_t nameLength = XmlNameLength(text, p);
    if (p == pos || nameLength == 0) {
        return TagPart::kMalformed;  // attributes must be set apart by white space
    }
    attribute.nameBegin = p;
    attribute.nameLength = nameLength;
    p = SkipSpaces(text, p + nameLength);
    if (p >= text.size() || text[p] != '=') {
        return TagPart::kMalformed;
    }
    p = SkipSpaces(text, p + 1);
    if (p >= text.size() || (text[p] != '"' && text[p] != '\'')) {
        return TagPart::kMalformed;
    }
    const char quote = text[p];
    attribute.valueBegin = ++p;
    // A "<" cannot stand in a value; stopping there keeps a missing quote from swallowing the
    // markup after it.
    while (p < text.size() && text[p] != quote && text[p] != '<') {
        ++p;
    }
    if (p >= text.size() || text[p] != quote) {
        return TagPart::kMalformed;
    }
    attribute.valueLength = p - attribute.valueBegin;
    pos = p + 1;
    return TagPart::kAttribute;
}

}  // namespace quillon
