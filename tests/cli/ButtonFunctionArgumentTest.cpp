#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cli/ButtonFunctionArgument.h"
#include "cli/EnglishTexts.h"
#include "input/FunctionCatalogue.h"

namespace quillon::cli {
namespace {

TEST(ButtonFunctionArgument, EveryFormNamesItsFunction) {
    struct Case {
        const char* text;
        int type;
        int value;
        int value2;
        const char* callerText;
    };
    const Case cases[] = {
        {"left", kFnLeftClick, 1, 0, ""},
        {"right", kFnRightClick, 1, 0, ""},
        {"middle", kFnMiddleClick, 1, 0, ""},
        {"forward", kFnForward, 1, 0, ""},
        {"backward", kFnBackward, 1, 0, ""},
        {"wheel-up", kFnWheelUp, 1, 0, ""},
        {"wheel-down", kFnWheelDown, 1, 0, ""},
        {"dpi-up", kFnDpiUp, 1, 0, ""},
        {"dpi-down", kFnDpiDown, 1, 0, ""},
        {"dpi-cycle", kFnDpiCycle, 1, 0, ""},
        {"disable", kFnDisabled, 1, 0, ""},
        {"key:A", kFnKey, 0x04, 0, "A"},
        {"key:ctrl+shift+A", kFnKey, 0x04, 3, "Shift+ Ctrl + A"},
        {"key:Win+Tab", kFnKey, 0x2B, 8, "Win + Tab"},
        {"key:page up", kFnKey, 0x4B, 0, "Page Up"},
        {"key:alt+Num +", kFnKey, 0x57, 4, "Alt + Num +"},
        {"key:LShift", kFnKey, 0xE1, 0, "LShift"},
        {"key:ctrl+f12", kFnKey, 0x45, 1, "Ctrl + F12"},
        {"media:play-pause", kFnMultimedia, 2, 0, ""},
        {"media:mute", kFnMultimedia, 8, 0, ""},
        {"system:1", kFnSystem, 1, 0, "t185"},
        {"system:13", kFnSystem, 13, 0, "t36"},
        {"macro:12", kFnMacro, 12, 0, ""},
        {"emoji:109", kFnEmoji, 109, 0, "表情符号"},
    };
    const LanguageContext language{1033, [](int id) { return "t" + std::to_string(id); }};
    for (const Case& c : cases) {
        ButtonFunctionArgument function;
        std::string error;
        ASSERT_TRUE(ParseButtonFunction(c.text, language, function, error))
            << c.text << ": " << error;
        EXPECT_FALSE(function.restoreDefault);
        EXPECT_EQ(function.type, c.type) << c.text;
        EXPECT_EQ(function.value, c.value) << c.text;
        EXPECT_EQ(function.value2, c.value2) << c.text;
        EXPECT_EQ(function.callerText, c.callerText) << c.text;
    }
    ButtonFunctionArgument function;
    std::string error;
    ASSERT_TRUE(ParseButtonFunction("default", language, function, error));
    EXPECT_TRUE(function.restoreDefault);
}

TEST(ButtonFunctionArgument, WordsThatNameNoFunctionAreRefusedWithAReason) {
    struct Case {
        const char* text;
        const char* reason;
    };
    const Case cases[] = {
        {"", "unknown function"},
        {"Left", "unknown function"},
        {"key", "unknown function"},
        {"key:", "no key is named ''"},
        {"key:ctrl+", "no key is named ''"},
        {"key:hyper+A", "no key is named 'hyper+A'"},
        {"media:louder", "media needs"},
        {"system:0", "1 to 13"},
        {"system:14", "1 to 13"},
        {"system:+3", "1 to 13"},
        {"macro:", "macro id"},
        {"macro:-4", "macro id"},
        {"emoji:110", "1 to 109"},
        {"emoji:1x", "1 to 109"},
        {"sound:1", "unknown function"},
    };
    for (const Case& c : cases) {
        ButtonFunctionArgument function;
        std::string error;
        EXPECT_FALSE(ParseButtonFunction(c.text, LanguageContext{}, function, error)) << c.text;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << ": " << error;
    }
}

// The list `button functions` prints is what `button set` takes: every concrete word parses,
// each to a function of its own, and each has a meaning.
TEST(ButtonFunctionArgument, EveryListedWordIsTakenWithAMeaningOfItsOwn) {
    const std::vector<ButtonFunctionWord> words = ButtonFunctionWords(EnglishLanguage());
    std::set<std::tuple<int, int, bool>> functions;
    int concrete = 0;
    for (const ButtonFunctionWord& word : words) {
        EXPECT_FALSE(word.meaning.empty()) << word.word;
        if (word.word.find_first_of("[I") != std::string::npos) {
            continue;  // the forms key:…NAME and macro:ID
        }
        ButtonFunctionArgument function;
        std::string error;
        ASSERT_TRUE(ParseButtonFunction(word.word, EnglishLanguage(), function, error))
            << word.word << ": " << error;
        functions.insert({function.type, function.value, function.restoreDefault});
        ++concrete;
    }
    EXPECT_EQ(static_cast<int>(functions.size()), concrete) << "no two words mean the same";
    EXPECT_EQ(concrete, 11 + 7 + kSystemCommandCount + 109 + 1);
}

}  // namespace
}  // namespace quillon::cli
