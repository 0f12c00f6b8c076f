#pragma once

#include <cstddef>
#include <string_view>

namespace quillon {

// Where one attribute of a start tag stands in the text.
struct XmlAttributeSpan {
    size_t nameBegin = 0;
    size_t nameLength = 0;
    size_t valueBegin = 0;  // just past the opening quote
    size_t valueLength = 0;
};

enum class TagPart { kAttribute, kClose, kEmptyClose, kMalformed };

inline bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Length of the element or attribute name starting at `pos`; 0 when none starts there.
size_t XmlNameLength(std::string_view text, size_t pos);
bool IsXmlName(std::string_view name);

// Reads what follows `pos` in a start tag (just past the element name or the previous
// attribute): the next attribute, or the closing ">" or "/>". Leaves `pos` past what was read.
TagPart NextTagPart(std::string_view text, size_t& pos, XmlAttributeSpan& attribute);

}  // namespace quillon
