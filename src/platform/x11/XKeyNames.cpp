#include "platform/x11/XKeyNames.h"

#include "input/KeyNames.h"
#include "platform/Utf16.h"

namespace quillon {
namespace {

constexpr unsigned long kUnicodeKeysymBase = 0x01000000;

// The character of a keysym that types one; 0 for function, modifier and keypad keysyms and
// the blank, whose English name reads better.
char32_t CharacterOfKeysym(unsigned long keysym) {
    if ((keysym > 0x20 && keysym < 0x7F) || (keysym >= 0xA1 && keysym <= 0xFF)) {
        return static_cast<char32_t>(keysym);
    }
    if (keysym > kUnicodeKeysymBase + 0x20 && keysym <= kUnicodeKeysymBase + 0x10FFFF) {
        return static_cast<char32_t>(keysym - kUnicodeKeysymBase);
    }
    return 0;
}

}  // namespace

std::string LayoutKeyName(unsigned long baseKeysym, int virtualKey, const char* keysymName) {
    char32_t character = CharacterOfKeysym(baseKeysym);
    if (character >= U'a' && character <= U'z') {
        character = character - U'a' + U'A';
    }
    if (character != 0) {
        std::string text;
        AppendUtf8(text, character);
        return text;
    }
    std::string name = UsageName(UsageOfVirtualKey(virtualKey));
    if (!name.empty()) {
        return name;
    }
    return keysymName != nullptr ? std::string(keysymName) : std::string();
}

}  // namespace quillon
