#pragma once

namespace quillon {

// The current language id of the user interface (2052 or 1033 after start-up). Read by every text
// look-up, changed by the language switch; safe from any thread.
int CurrentLanguageId();
void SetCurrentLanguageId(int languageId);

}  // namespace quillon
