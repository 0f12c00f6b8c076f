#include "store/XmlParser.h"

#include <string>
#include <unordered_map>

#include "store/XmlTag.h"

namespace quillon {
namespace {

// A hostile document can hold thousands of faults; the log keeps the first ones.
constexpr size_t kMaxLoggedIssues = 32;

class Indexer {
  public:
    Indexer(std::string_view text, std::vector<XmlElement>& elements,
            std::vector<XmlDocument::LogEntry>& log)
        : text_(text), elements_(elements), log_(log) {}

    XmlIndexResult Run();

  private:
    bool At(size_t pos, std::string_view markup) const {
        return text_.substr(pos, markup.size()) == markup;
    }
    std::string_view NameOf(const XmlElement& e) const {
        return text_.substr(e.start + 1, e.nameLength);
    }
    void Issue(const char* name, size_t offset);
    void Fault(const char* name, size_t offset) {
        result_.structureOk = false;
        Issue(name, offset);
    }
    void SkipPast(size_t lt, size_t from, std::string_view terminator, const char* issue);
    void SkipDoctype(size_t lt);
    void StartTag(size_t lt);
    void EndTag(size_t lt);
    void Open(int index);
    // Removes the innermost open element and returns it.
    XmlElement& Close();
    void CloseUnended(size_t at);

    std::string_view text_;
    std::vector<XmlElement>& elements_;
    std::vector<XmlDocument::LogEntry>& log_;
    std::vector<int> open_;
    // How many open elements bear each name; kept only after an end tag has first failed to match
    // the innermost open element, so that stray end tags under deep nesting cost no search.
    std::unordered_map<std::string_view, size_t> openNames_;
    bool countingNames_ = false;
    size_t pos_ = 0;
    size_t issues_ = 0;
    XmlIndexResult result_;
};

XmlIndexResult Indexer::Run() {
    elements_.clear();
    XmlElement document;
    document.contentEnd = document.end = text_.size();
    elements_.push_back(document);
    while (pos_ < text_.size()) {
        const size_t lt = text_.find('<', pos_);
        if (lt == std::string_view::npos) {
            break;
        }
        if (At(lt, "<!--")) {
            SkipPast(lt, lt + 4, "-->", "unended_comment");
        } else if (At(lt, "<![CDATA[")) {
            SkipPast(lt, lt + 9, "]]>", "unended_cdata");
        } else if (At(lt, "<?")) {
            SkipPast(lt, lt + 2, "?>", "unended_processing_instruction");
        } else if (At(lt, "<!DOCTYPE")) {
            SkipDoctype(lt);
        } else if (At(lt, "</")) {
            EndTag(lt);
        } else {
            StartTag(lt);
        }
    }
    while (!open_.empty()) {
        CloseUnended(text_.size());
    }
    if (result_.topLevelCount == 0) {
        Issue("no_root_element", 0);
    }
    return result_;
}

void Indexer::Issue(const char* name, size_t offset) {
    if (issues_++ < kMaxLoggedIssues) {
        log_.push_back({name, "at byte " + std::to_string(offset)});
    }
}

void Indexer::SkipPast(size_t lt, size_t from, std::string_view terminator, const char* issue) {
    const size_t found = text_.find(terminator, from);
    if (found == std::string_view::npos) {
        Fault(issue, lt);
        pos_ = text_.size();
    } else {
        pos_ = found + terminator.size();
    }
}

// "<!DOCTYPE ...>" may hold an internal subset in brackets, with quoted strings and comments
// that contain ">" themselves.
void Indexer::SkipDoctype(size_t lt) {
    int depth = 0;
    size_t p = lt + 9;
    while (p < text_.size()) {
        const char c = text_[p];
        if (c == '"' || c == '\'') {
            p = text_.find(c, p + 1);
            if (p == std::string_view::npos) {
                break;
            }
        } else if (depth > 0 && At(p, "<!--")) {
            p = text_.find("-->", p + 4);
            if (p == std::string_view::npos) {
                break;
            }
            p += 2;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']' && depth > 0) {
            --depth;
        } else if (c == '>' && depth == 0) {
            pos_ = p + 1;
            return;
        }
        ++p;
    }
    Fault("unended_doctype", lt);
    pos_ = text_.size();
}

void Indexer::StartTag(size_t lt) {
    const size_t nameLength = XmlNameLength(text_, lt + 1);
    size_t p = lt + 1 + nameLength;
    XmlAttributeSpan attribute;
    TagPart part = nameLength == 0 ? TagPart::kMalformed : TagPart::kAttribute;
    while (part == TagPart::kAttribute) {
        part = NextTagPart(text_, p, attribute);
    }
    if (part == TagPart::kMalformed) {
        Fault("malformed_tag", lt);
        pos_ = lt + 1;
        return;
    }
    const int parent = open_.empty() ? 0 : open_.back();
    const int index = static_cast<int>(elements_.size());
    XmlElement element;
    element.start = lt;
    element.tagEnd = p;
    element.nameLength = nameLength;
    element.parent = parent;
    if (part == TagPart::kEmptyClose) {
        element.emptyForm = true;
        element.contentEnd = element.end = p;
    }
    elements_.push_back(element);
    if (!element.emptyForm) {
        Open(index);
    }
    XmlElement& parentElement = elements_[static_cast<size_t>(parent)];
    if (parentElement.lastChild < 0) {
        parentElement.firstChild = index;
    } else {
        elements_[static_cast<size_t>(parentElement.lastChild)].nextSibling = index;
    }
    parentElement.lastChild = index;
    if (parent == 0 && ++result_.topLevelCount == 2) {
        Issue("root_has_sibling", lt);
    }
    pos_ = p;
}

void Indexer::EndTag(size_t lt) {
    const size_t nameLength = XmlNameLength(text_, lt + 2);
    size_t p = lt + 2 + nameLength;
    while (p < text_.size() && IsXmlSpace(text_[p])) {
        ++p;
    }
    if (nameLength == 0 || p >= text_.size() || text_[p] != '>') {
        Fault("malformed_tag", lt);
        pos_ = lt + 1;
        return;
    }
    pos_ = p + 1;
    const std::string_view name = text_.substr(lt + 2, nameLength);
    if (open_.empty() || NameOf(elements_[static_cast<size_t>(open_.back())]) != name) {
        if (!countingNames_) {
            for (const int index : open_) {
                ++openNames_[NameOf(elements_[static_cast<size_t>(index)])];
            }
            countingNames_ = true;
        }
        const auto found = openNames_.find(name);
        if (found == openNames_.end() || found->second == 0) {
            Fault("lone_end_tag", lt);
            return;
        }
        // Elements opened inside the matching one and never closed end where its end tag begins.
        while (NameOf(elements_[static_cast<size_t>(open_.back())]) != name) {
            CloseUnended(lt);
        }
    }
    XmlElement& element = Close();
    element.contentEnd = lt;
    element.end = pos_;
}

void Indexer::Open(int index) {
    open_.push_back(index);
    if (countingNames_) {
        ++openNames_[NameOf(elements_[static_cast<size_t>(index)])];
    }
}

XmlElement& Indexer::Close() {
    XmlElement& element = elements_[static_cast<size_t>(open_.back())];
    open_.pop_back();
    if (countingNames_) {
        --openNames_[NameOf(element)];
    }
    return element;
}

void Indexer::CloseUnended(size_t at) {
    XmlElement& element = Close();
    element.unended = true;
    element.contentEnd = element.end = at;
    Fault("unended_start_tag", element.start);
}

}  // namespace

XmlIndexResult IndexXml(std::string_view text, std::vector<XmlElement>& elements,
                        std::vector<XmlDocument::LogEntry>& log) {
    return Indexer(text, elements, log).Run();
}

}  // namespace quillon
