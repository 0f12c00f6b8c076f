#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "input/LanguageContext.h"

namespace quillon::cli {

// The FUNCTION word of "button set": what to assign to the button.
struct ButtonFunctionArgument {
    bool restoreDefault = false;  // "default": the button loses its row
    int type = 0;
    int value = 0;
    int value2 = 0;
    // The literal text the assignment text is made from where the type has no text id (the
    // shortcut text of a key, the wording of two system commands); a macro's name is added by
    // the caller, who knows the macros.
    std::string callerText;
};

// Parses left, right, middle, forward, backward, wheel-up, wheel-down, dpi-up, dpi-down,
// dpi-cycle, disable, key:[MODS+]NAME, media:NAME, system:N, macro:ID, emoji:N and default.
// False with a one-line reason when the word names no function.
bool ParseButtonFunction(std::string_view text, const LanguageContext& language,
                         ButtonFunctionArgument& function, std::string& error);

// One FUNCTION word "button set" takes and what it does.
struct ButtonFunctionWord {
    std::string word;
    std::string meaning;
};
// Every FUNCTION word, with the meanings in `language`: the simple functions, each media and
// system command, the forms of key: and macro:, and each emoji with its word.
std::vector<ButtonFunctionWord> ButtonFunctionWords(const LanguageContext& language);

// How the command line names an emoji button: "emoji 5 ([得意])", the number the FUNCTION word
// takes and the code the computer types.
std::string EmojiFunctionText(int number);

// The usage named NAME (a UsageName, any letter case); 0 when no usage has that name.
int UsageOfName(std::string_view name);

}  // namespace quillon::cli
