#include "store/XmlDocument.h"

#include <utility>

#include "platform/WholeFile.h"
#include "store/XmlFileEncoding.h"
#include "store/XmlParser.h"
#include "store/XmlTag.h"
#include "store/XmlText.h"

namespace quillon {

XmlDocument::XmlDocument() : elements_(1) {}

bool XmlDocument::SetDocument(std::string_view text) {
    log_.clear();
    Parse(std::string(text));
    return IsWellFormed();
}

const std::string& XmlDocument::GetDocument() const {
    return text_;
}

bool XmlDocument::LoadFile(const std::string& path) {
    log_.clear();
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, error)) {
        AddLog("file_error", error);
        Parse({});
        return false;
    }
    DecodedXmlFile decoded = DecodeXmlFile(bytes);
    if (decoded.unknownCharset) {
        AddLog("unknown_encoding", path + ": " + DeclaredEncoding(bytes));
    }
    if (decoded.conversion.lossy) {
        AddLog("conversion_loss", path);
    }
    if (decoded.conversion.truncated) {
        AddLog("truncation_error", path);
    }
    Parse(std::move(decoded.conversion.text));
    return true;
}

bool XmlDocument::SaveFile(const std::string& path) {
    Conversion encoded;
    if (!EncodeXmlFile(text_, encoded)) {
        AddLog("unknown_encoding", path + ": " + DeclaredEncoding(text_));
        return false;
    }
    if (encoded.lossy) {
        AddLog("conversion_loss", path);
    }
    std::string error;
    if (!ReplaceFileContent(path, encoded.text, error)) {
        AddLog("file_error", error);
        return false;
    }
    return true;
}

bool XmlDocument::IsWellFormed() const {
    return structureOk_ && topLevelCount_ == 1;
}

bool XmlDocument::AddElement(std::string_view name, const char* value, int /*flags*/) {
    if (!IsXmlName(name) || At(parent_).unended) {
        return false;
    }
    const std::string escaped = value != nullptr ? EscapeXml(value) : std::string();
    std::string markup = "<" + std::string(name);
    const size_t tagLength = markup.size() + (value != nullptr ? 1 : 2);
    if (value != nullptr) {
        markup += ">" + escaped + "</" + std::string(name) + ">";
    } else {
        markup += "/>";
    }
    const int previous = current_ != kNone ? current_ : At(parent_).lastChild;
    std::string prefix;
    const size_t pos = InsertionPoint(previous, prefix);
    ReplaceText(pos, 0, prefix + markup + "\r\n");

    XmlElement element;
    element.start = pos + prefix.size();
    element.nameLength = name.size();
    element.tagEnd = element.start + tagLength;
    element.contentEnd = element.tagEnd + escaped.size();
    element.end = element.start + markup.size();
    element.emptyForm = value == nullptr;
    element.parent = parent_;
    const int index = static_cast<int>(elements_.size());
    if (previous != kNone) {
        element.nextSibling = At(previous).nextSibling;
        At(previous).nextSibling = index;
    } else {
        At(parent_).firstChild = index;
    }
    if (At(parent_).lastChild == previous) {
        At(parent_).lastChild = index;
    }
    elements_.push_back(element);
    current_ = index;
    if (parent_ == kDocument && ++topLevelCount_ == 2) {
        AddLog("root_has_sibling", "added <" + std::string(name) + ">");
    }
    return true;
}

bool XmlDocument::SetAttribute(std::string_view name, std::string_view value) {
    if (current_ == kNone || !IsXmlName(name)) {
        return false;
    }
    const std::string escaped = EscapeXml(value);
    size_t valueBegin = 0;
    size_t valueLength = 0;
    size_t insertAt = 0;
    if (FindAttribute(name, valueBegin, valueLength, insertAt)) {
        ReplaceText(valueBegin, valueLength, escaped);
    } else {
        ReplaceText(insertAt, 0, " " + std::string(name) + "=\"" + escaped + "\"");
    }
    return true;
}

bool XmlDocument::EnterElement() {
    if (current_ == kNone) {
        return false;
    }
    parent_ = current_;
    current_ = kNone;
    return true;
}

bool XmlDocument::LeaveElement() {
    if (parent_ == kDocument) {
        return false;
    }
    current_ = parent_;
    parent_ = At(parent_).parent;
    return true;
}

bool XmlDocument::FindElement(std::string_view name) {
    int candidate = current_ != kNone ? At(current_).nextSibling : At(parent_).firstChild;
    for (; candidate != kNone; candidate = At(candidate).nextSibling) {
        if (NameOf(candidate) == name) {
            current_ = candidate;
            return true;
        }
    }
    return false;
}

std::string XmlDocument::GetAttribute(std::string_view name) const {
    size_t valueBegin = 0;
    size_t valueLength = 0;
    size_t insertAt = 0;
    if (current_ == kNone || !FindAttribute(name, valueBegin, valueLength, insertAt)) {
        return {};
    }
    return DecodeReferences(std::string_view(text_).substr(valueBegin, valueLength));
}

void XmlDocument::ResetPos() {
    parent_ = kDocument;
    current_ = kNone;
}

const std::vector<XmlDocument::LogEntry>& XmlDocument::ResultLog() const {
    return log_;
}

void XmlDocument::Parse(std::string text) {
    text_ = std::move(text);
    attributesOf_ = kNone;
    const XmlIndexResult result = IndexXml(text_, elements_, log_);
    structureOk_ = result.structureOk;
    topLevelCount_ = result.topLevelCount;
    ResetPos();
}

std::string_view XmlDocument::NameOf(int index) const {
    return std::string_view(text_).substr(At(index).start + 1, At(index).nameLength);
}

const std::vector<XmlAttributeSpan>& XmlDocument::CurrentAttributes() const {
    if (attributesOf_ != current_) {
        attributes_.clear();
        const XmlElement& element = At(current_);
        size_t pos = element.start + 1 + element.nameLength;
        XmlAttributeSpan attribute;
        while (NextTagPart(text_, pos, attribute) == TagPart::kAttribute) {
            attributes_.push_back(attribute);
        }
        attributesOf_ = current_;
    }
    return attributes_;
}

bool XmlDocument::FindAttribute(std::string_view name, size_t& valueBegin, size_t& valueLength,
                                size_t& insertAt) const {
    const XmlElement& element = At(current_);
    insertAt = element.start + 1 + element.nameLength;
    for (const XmlAttributeSpan& attribute : CurrentAttributes()) {
        if (attribute.nameLength == name.size() &&
            text_.compare(attribute.nameBegin, attribute.nameLength, name) == 0) {
            valueBegin = attribute.valueBegin;
            valueLength = attribute.valueLength;
            return true;
        }
        insertAt = attribute.valueBegin + attribute.valueLength + 1;  // past the closing quote
    }
    return false;
}

void XmlDocument::ReplaceText(size_t pos, size_t oldLength, std::string_view replacement) {
    text_.replace(pos, oldLength, replacement);
    attributesOf_ = kNone;
    // Unsigned wrap-around makes adding the converted difference subtract when text shrinks.
    const size_t delta = replacement.size() - oldLength;
    const size_t oldEnd = pos + oldLength;
    for (size_t i = 1; i < elements_.size(); ++i) {
        XmlElement& e = elements_[i];
        if (e.start >= oldEnd) {
            e.start += delta;
            e.tagEnd += delta;
            e.contentEnd += delta;
            e.end += delta;
        } else if (e.end > pos) {
            // The change lies inside this element.
            if (e.tagEnd > pos) {
                e.tagEnd += delta;
            }
            if (e.contentEnd >= oldEnd) {
                e.contentEnd += delta;
            }
            e.end += delta;
        }
    }
    elements_[0].contentEnd = elements_[0].end = text_.size();
}

size_t XmlDocument::InsertionPoint(int previous, std::string& prefix) {
    if (previous != kNone) {
        size_t pos = At(previous).end;
        if (text_.compare(pos, 2, "\r\n") == 0) {
            pos += 2;
        } else if (text_.compare(pos, 1, "\n") == 0) {
            pos += 1;
        }
        return pos;
    }
    if (parent_ == kDocument) {
        return text_.size();
    }
    if (At(parent_).emptyForm) {
        // "<parent .../>" becomes "<parent ...>", CR LF, "</parent>"; the child goes before the
        // end tag.
        const size_t slash = At(parent_).tagEnd - 2;
        const std::string opened = ">\r\n</" + std::string(NameOf(parent_)) + ">";
        ReplaceText(slash, 2, opened);
        XmlElement& parent = At(parent_);
        parent.tagEnd = slash + 1;
        parent.contentEnd = slash + 3;
        parent.end = slash + opened.size();
        parent.emptyForm = false;
    }
    const XmlElement& parent = At(parent_);
    if (parent.contentEnd == parent.tagEnd) {
        prefix = "\r\n";
    }
    return parent.contentEnd;
}

void XmlDocument::AddLog(const char* name, std::string detail) {
    log_.push_back({name, std::move(detail)});
}

}  // namespace quillon
