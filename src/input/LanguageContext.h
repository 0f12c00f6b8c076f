#pragma once

#include <functional>
#include <string>

namespace quillon {

// Looks up the text of a language text id in the current language; empty when there is none.
using TextLookup = std::function<std::string(int textId)>;

// What the naming rules need to know about the current language: its id, which selects the
// rewriting rules of stored names, and the lookup of its texts. A default-constructed context
// has no texts, so every name falls back to what is stored.
struct LanguageContext {
    int languageId = 0;
    TextLookup text;

    std::string Text(int textId) const { return text ? text(textId) : std::string(); }
};

}  // namespace quillon
