#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/XmlElement.h"
#include "store/XmlTag.h"

namespace quillon {

// One XML document held as text, with an element index and a forward-only navigation position.
// Reads the catalogue and reads/writes the exchange files. Text is UTF-8 in memory whatever the
// file's encoding.
class XmlDocument {
  public:
    struct LogEntry {
        std::string name;    // e.g. "no_root_element", "file_error"
        std::string detail;  // free text, may be empty
    };

    XmlDocument();

    // Replaces the text, re-parses and resets the position; true when well-formed.
    bool SetDocument(std::string_view text);
    const std::string& GetDocument() const;

    // Reads a file in any supported encoding; true when it was read. The well-formed test of the
    // parse that follows is IsWellFormed().
    bool LoadFile(const std::string& path);
    // Writes the whole text in the declared encoding (UTF-8 when none), without a byte-order
    // mark, through a temporary file renamed into place; true when written.
    bool SaveFile(const std::string& path);

    bool IsWellFormed() const;

    bool AddElement(std::string_view name, const char* value = nullptr, int flags = 0);
    bool SetAttribute(std::string_view name, std::string_view value);
    bool EnterElement();
    bool LeaveElement();
    bool FindElement(std::string_view name);
    // Decoded attribute value of the current element; empty when absent or no current element.
    std::string GetAttribute(std::string_view name) const;
    // Back to the top level with no current element.
    void ResetPos();

    const std::vector<LogEntry>& ResultLog() const;

  private:
    static constexpr int kNone = -1;
    static constexpr int kDocument = 0;  // elements_[0] stands for the document itself

    void Parse(std::string text);
    XmlElement& At(int index) { return elements_[static_cast<size_t>(index)]; }
    const XmlElement& At(int index) const { return elements_[static_cast<size_t>(index)]; }
    std::string_view NameOf(int index) const;
    // The attributes of the current element, read once per element rather than once per lookup.
    const std::vector<XmlAttributeSpan>& CurrentAttributes() const;
    // Finds the attribute of the current element; `insertAt` is where a new one would go.
    bool FindAttribute(std::string_view name, size_t& valueBegin, size_t& valueLength,
                       size_t& insertAt) const;
    // Replaces part of the text and moves the index positions behind it.
    void ReplaceText(size_t pos, size_t oldLength, std::string_view replacement);
    // Where a new element goes: after `previous` (and the line break behind it), or into an
    // open parent without children. Opens a parent in the empty form first.
    size_t InsertionPoint(int previous, std::string& prefix);
    void AddLog(const char* name, std::string detail);

    std::string text_;
    std::vector<XmlElement> elements_;
    int parent_ = kDocument;
    int current_ = kNone;
    int topLevelCount_ = 0;
    bool structureOk_ = true;
    std::vector<LogEntry> log_;
    mutable std::vector<XmlAttributeSpan> attributes_;
    mutable int attributesOf_ = kNone;
};

}  // namespace quillon
