#include <gtest/gtest.h>

#include "input/LocalizeName.h"

namespace quillon {
namespace {

LanguageContext Language(int id, std::string custom) {
    return {id,
            [custom](int textId) { return textId == kCustomWordTextId ? custom : std::string(); }};
}

TEST(LocalizeName, RewritesTheCustomPrefixAndCopySuffixOfOtherLanguages) {
    struct Case {
        int language;
        const char* custom;  // text 351 of that language
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        // One blank separates the base from the copy word, whatever the format adds.
        {2052, "自定义", "Custom 2 Copy", "自定义 2 复制"},
        {2052, "自定义", "Custom 3", "自定义 3"},
        {2052, "自定义", "自定义 3", "自定义 3"},  // already in the current language
        {1033, "Custom", "自定义 1 复制", "Custom 1 Copy"},
        {1033, "Custom", "Personalizado 4 Copiar", "Custom 4 Copy"},
        {1033, "Custom", "Custom 1 Copy", "Custom 1 Copy"},
        {1033, "Custom", "My macro", "My macro"},
        {1033, "Custom", "复制", " Copy"},                     // nothing before the word
        {1033, "Custom", "A复制", "A Copy"},                   // no blank to drop
        {1033, "Custom", "复制 of x 复制", "复制 of x Copy"},  // the word the text ends with
        {3082, "Personalizado", "Custom 2 Copy", "Personalizado 2 Copiar"},
        {1041, "カスタム", "Custom 2 Copy", "カスタム 2 Copy"},  // no copy rule
        {1049, "Пользоват", "自定义 1 Copy", "Пользоват 1 Копировать"},
        {1031, "Benutzer", "Custom 2 Copy", "Custom 2 Copy"},  // no rules for the language
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocalizeName(c.stored, Language(c.language, c.custom)), c.shown)
            << c.language << " " << c.stored;
    }
}

TEST(LocalizeName, KeepsTheStoredWordWhenTheLanguageHasNoCustomText) {
    EXPECT_EQ(LocalizeName("Custom 2 Copy", Language(2052, "")), "Custom 2 复制");
    EXPECT_EQ(LocalizeName("Custom 2", LanguageContext{}), "Custom 2");
}

}  // namespace
}  // namespace quillon
