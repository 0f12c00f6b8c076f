#pragma once

#include <string>

#include "input/LanguageContext.h"

namespace quillon::cli {

// The English wording of the text ids the command line shows (function names, the words of
// macro names, profile names); empty for any other id. quillonctl speaks English whatever the
// window's language is.
std::string EnglishText(int textId);

// The naming context of the command line: English rules and texts.
LanguageContext EnglishLanguage();

}  // namespace quillon::cli
