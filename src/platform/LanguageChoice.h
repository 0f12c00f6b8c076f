#pragma once

#include <string>

namespace quillon {

inline constexpr int kLanguageChineseSimplified = 2052;
inline constexpr int kLanguageEnglishUs = 1033;

// The locale variables that decide the user's interface language, as the environment holds them
// (empty when unset).
struct LocaleVariables {
    std::string lcAll;
    std::string lcMessages;
    std::string lang;
    std::string language;
};

// 2052 for a simplified-Chinese interface locale ("zh_CN", "zh_SG", "zh_Hans..."), else 1033.
// The locale is the first set of LC_ALL, LC_MESSAGES, LANG; as gettext does, the first entry of
// LANGUAGE takes precedence unless that locale is unset or "C"/"POSIX".
int LanguageIdFromLocale(const LocaleVariables& variables);

// LanguageIdFromLocale() of this process's environment.
int UserInterfaceLanguageId();

// The start-up language choice: the product key's "LCID" (the key is created when missing; any
// failure of the key means 2052), the user's interface language when that is 0, then 2052 kept
// and everything else turned into 1033. The result is written back to "LCID", made the current
// language id and returned.
int ChooseLanguage();

// The language id the texts are shown in; 1033 until ChooseLanguage() or a switch sets it.
// Safe to call from any thread.
int CurrentLanguageId();
void SetCurrentLanguageId(int languageId);

}  // namespace quillon
