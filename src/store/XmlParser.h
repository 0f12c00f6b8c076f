#pragma once

#include <string_view>
#include <vector>

#include "store/XmlDocument.h"
#include "store/XmlElement.h"

namespace quillon {

struct XmlIndexResult {
    bool structureOk = true;  // no unended start tag, lone end tag or malformed markup
    int topLevelCount = 0;    // elements at the top level; a well-formed document has one
};

// Builds the element index of `text` in one forward pass without recursion, so any nesting depth
// is safe. elements[0] stands for the document itself (its children are the top-level elements);
// the real elements follow in document order. Problems are added to `log`.
XmlIndexResult IndexXml(std::string_view text, std::vector<XmlElement>& elements,
                        std::vector<XmlDocument::LogEntry>& log);

}  // namespace quillon
