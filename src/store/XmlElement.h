#pragma once

#include <cstddef>

namespace quillon {

// One entry of a document's element index: where the element stands in the text and how it links
// to its relatives (indexes into the same vector, -1 for none).
struct XmlElement {
    size_t start = 0;       // the "<" of the start tag
    size_t tagEnd = 0;      // just past the start tag
    size_t contentEnd = 0;  // the "<" of the end tag; tagEnd in the empty form
    size_t end = 0;         // just past the end tag (or the empty form's "/>")
    size_t nameLength = 0;  // the name follows the "<"
    int parent = -1;
    int firstChild = -1;
    int lastChild = -1;
    int nextSibling = -1;
    bool emptyForm = false;
    // No end tag was found; contentEnd and end mark where the element was cut off.
    bool unended = false;
};

}  // namespace quillon
