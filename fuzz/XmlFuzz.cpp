// Feeds arbitrary bytes to the XML document: file decoding, parsing, a walk over every element
// with attribute reads, and an edit whose result must parse again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/TextEncoding.h"
#include "store/XmlDocument.h"
#include "store/XmlFileEncoding.h"
#include "store/XmlTag.h"

namespace {

using quillon::XmlDocument;

// The walk tries every name at every level, so it takes the first few; the root is looked up by
// all names.
constexpr size_t kWalkNames = 16;
constexpr int kMaxDepth = 4000;

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Names that follow "<" (element names) or precede "=" (attribute names) in the text.
void CollectNames(std::string_view text, std::vector<std::string>& elements,
                  std::vector<std::string>& attributes) {
    for (size_t pos = 0; pos < text.size(); ++pos) {
        const size_t length = quillon::XmlNameLength(text, pos);
        if (length == 0) {
            continue;
        }
        const std::string name(text.substr(pos, length));
        const bool element = pos > 0 && text[pos - 1] == '<';
        const bool attribute = pos + length < text.size() && text[pos + length] == '=';
        std::vector<std::string>& names = element ? elements : attributes;
        if ((element || (attribute && names.size() < kWalkNames)) &&
            std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
        pos += length - 1;
    }
}

void Walk(XmlDocument& doc, const std::vector<std::string>& names,
          const std::vector<std::string>& attributes, bool validText, int depth) {
    for (const std::string& name : names) {
        // Back to the start of this level: the search only goes forward.
        if (depth == 0) {
            doc.ResetPos();
        } else {
            Require(doc.LeaveElement() && doc.EnterElement());
        }
        while (doc.FindElement(name)) {
            for (const std::string& attribute : attributes) {
                const std::string value = doc.GetAttribute(attribute);
                Require(!validText || quillon::IsValidUtf8(value));
            }
            if (depth < kMaxDepth && doc.EnterElement()) {
                Walk(doc, names, attributes, validText, depth + 1);
                Require(doc.LeaveElement());
            }
        }
    }
}

// Adds a child with an attribute to the root of a well-formed document; the result must still be
// well-formed and give the value back.
void EditRoot(XmlDocument& doc, const std::vector<std::string>& names, std::string_view value) {
    doc.ResetPos();
    for (const std::string& name : names) {
        if (doc.FindElement(name)) {
            break;
        }
    }
    Require(doc.EnterElement());
    Require(doc.AddElement("fuzz", std::string(value.substr(0, 8)).c_str()));
    Require(doc.SetAttribute("v", value));
    Require(doc.SetAttribute("v", value.substr(value.size() / 2)));
    Require(doc.GetAttribute("v") == value.substr(value.size() / 2));
    XmlDocument again;
    Require(again.SetDocument(doc.GetDocument()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const quillon::DecodedXmlFile decoded = quillon::DecodeXmlFile(bytes);
    Require(quillon::IsValidUtf8(decoded.conversion.text));
    quillon::Conversion encoded;
    quillon::EncodeXmlFile(decoded.conversion.text, encoded);

    for (const std::string_view text : {bytes, std::string_view(decoded.conversion.text)}) {
        XmlDocument doc;
        const bool wellFormed = doc.SetDocument(text);
        std::vector<std::string> names;
        std::vector<std::string> attributes{"v"};
        CollectNames(text, names, attributes);
        const std::vector<std::string> walked(
            names.begin(),
            names.begin() + static_cast<std::ptrdiff_t>(std::min(names.size(), kWalkNames)));
        Walk(doc, walked, attributes, quillon::IsValidUtf8(text), 0);
        if (wellFormed) {
            EditRoot(doc, names, text.substr(0, 64));
        }
    }
    return 0;
}
