#pragma once

#include <string>
#include <string_view>

#include "input/LanguageContext.h"

namespace quillon {

// Text id of the word "Custom" that starts the name of a new macro.
inline constexpr int kCustomWordTextId = 351;
// Text id of the word "Copy" that ends the name of a copied macro.
inline constexpr int kCopyWordTextId = 31;

// Shows a stored macro name (or a keyboard assignment's text) with the words of the current
// language: a leading "Custom" word of another language becomes the current one's, and a
// trailing "Copy" word of another language becomes the current one's. Languages without rules
// leave the text as it is.
std::string LocalizeName(std::string_view name, const LanguageContext& language);

}  // namespace quillon
