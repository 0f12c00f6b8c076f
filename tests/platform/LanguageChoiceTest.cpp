#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/LanguageChoice.h"
#include "platform/ProductKey.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

TEST(LanguageIdFromLocale, SimplifiedChineseOnlyAndTheUsualPrecedence) {
    struct Case {
        LocaleVariables variables;
        int expected;
    };
    const Case cases[] = {
        {{"", "", "zh_CN.UTF-8", ""}, 2052},
        {{"", "", "zh_SG", ""}, 2052},
        {{"", "", "zh_Hans_HK", ""}, 2052},
        {{"", "", "zh-Hans", ""}, 2052},
        {{"", "", "zh_cn.utf8", ""}, 2052},
        {{"", "", "zh_TW.UTF-8", ""}, 1033},
        {{"", "", "zh_Hant_CN", ""}, 1033},
        {{"", "", "zh", ""}, 1033},
        {{"", "", "de_DE.UTF-8", ""}, 1033},
        {{"", "", "", ""}, 1033},
        {{"en_US.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8", ""}, 1033},  // LC_ALL first
        {{"", "zh_CN.UTF-8", "en_US.UTF-8", ""}, 2052},             // then LC_MESSAGES
        {{"", "", "en_US.UTF-8", "zh_CN:en"}, 2052},                // LANGUAGE leads a locale
        {{"", "", "de_DE.UTF-8", ":zh_SG"}, 2052},                  // empty entries skipped
        {{"", "", "zh_CN.UTF-8", "en_GB:zh_CN"}, 1033},
        {{"", "", "C", "zh_CN"}, 1033},  // but not the C locale
        {{"", "", "", "zh_CN"}, 1033},   // nor no locale at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LanguageIdFromLocale(c.variables), c.expected)
            << c.variables.lcAll << "|" << c.variables.lcMessages << "|" << c.variables.lang << "|"
            << c.variables.language;
    }
}

// Each test gets its own settings folders and locale, restored afterwards.
class LanguageChoiceTest : public ::testing::Test {
  protected:
    static constexpr std::array<const char*, 4> kVariables = {"LC_ALL", "LC_MESSAGES", "LANG",
                                                              "LANGUAGE"};

    LanguageChoiceTest() {
        for (size_t i = 0; i < kVariables.size(); ++i) {
            if (const char* value = std::getenv(kVariables[i])) {
                saved_[i] = value;
            }
        }
    }
    ~LanguageChoiceTest() override {
        for (size_t i = 0; i < kVariables.size(); ++i) {
            if (saved_[i]) {
                setenv(kVariables[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(kVariables[i]);
            }
        }
        SetCurrentLanguageId(kLanguageEnglishUs);
    }

    void UseLocale(const char* lang) {
        for (const char* name : kVariables) {
            unsetenv(name);
        }
        setenv("LANG", lang, 1);
    }

    std::string KeyFile() const { return "config/Quillon Mouse/registry.ini"; }

    test::IsolatedHome home_;
    std::array<std::optional<std::string>, 4> saved_;
};

TEST_F(LanguageChoiceTest, StoredValueOrLocaleBecomes2052Or1033AndIsWrittenBack) {
    struct Case {
        std::optional<std::string> key;  // content of the key file; nullopt: no key
        const char* locale;
        int expected;
        std::string storedAfter;
    };
    const Case cases[] = {
        {"LCID=1031\n", "zh_CN.UTF-8", 1033, "LCID=1033\n"},
        {"LCID=2052\n", "en_US.UTF-8", 2052, "LCID=2052\n"},
        {std::nullopt, "zh_CN.UTF-8", 2052, "LCID=2052\n"},
        {std::nullopt, "en_US.UTF-8", 1033, "LCID=1033\n"},
        {"LCID=abc\n", "zh_SG.UTF-8", 2052, "LCID=2052\n"},
        {"LCID=abc\n", "fr_FR.UTF-8", 1033, "LCID=1033\n"},
        {"LCID=0\n", "zh_CN.UTF-8", 2052, "LCID=2052\n"},
        {"LCID=-2052\n", "zh_CN.UTF-8", 1033, "LCID=1033\n"},
        {"DeviceType=101\n", "zh_CN.UTF-8", 2052, "DeviceType=101\nLCID=2052\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(home_.root().file("config/Quillon Mouse"));
        if (c.key) {
            std::filesystem::create_directories(home_.root().file("config/Quillon Mouse"));
            home_.root().write(KeyFile(), *c.key);
        }
        UseLocale(c.locale);
        SetCurrentLanguageId(0);
        EXPECT_EQ(ChooseLanguage(), c.expected) << c.key.value_or("no key") << c.locale;
        EXPECT_EQ(CurrentLanguageId(), c.expected);
        EXPECT_EQ(home_.root().read(KeyFile()), c.storedAfter);
    }
}

TEST_F(LanguageChoiceTest, AKeyThatCannotBeReadOrCreatedMeans2052) {
    UseLocale("en_US.UTF-8");
    std::filesystem::create_directories(home_.root().file(KeyFile()));  // a folder in its place
    EXPECT_EQ(ChooseLanguage(), 2052);
    EXPECT_EQ(CurrentLanguageId(), 2052);
    EXPECT_TRUE(std::filesystem::is_directory(home_.root().file(KeyFile())));

    SetCurrentLanguageId(1033);
    home_.root().write("plain-file", "x");
    setenv("XDG_CONFIG_HOME", home_.root().file("plain-file").c_str(), 1);  // no folder possible
    EXPECT_EQ(ChooseLanguage(), 2052);
    EXPECT_EQ(CurrentLanguageId(), 2052);
}

}  // namespace
}  // namespace quillon
