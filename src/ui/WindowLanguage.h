#pragma once

#include "input/LanguageContext.h"

namespace quillon {

// The window's current language for the naming rules of button functions and macro names:
// its id and the texts of its language file.
LanguageContext WindowLanguage();

}  // namespace quillon
