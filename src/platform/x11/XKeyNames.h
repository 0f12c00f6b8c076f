#pragma once

#include <string>

namespace quillon {

// The layout's own name of a key, as the captured-key rules start from: the character a typing
// key produces without modifiers (letters in capitals, as keyboards are labelled), else the
// English name of the key's virtual-key code, else the keysym's X name (`keysymName`, may be
// null).
std::string LayoutKeyName(unsigned long baseKeysym, int virtualKey, const char* keysymName);

}  // namespace quillon
