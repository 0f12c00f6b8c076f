#include <gtest/gtest.h>

#include "input/FunctionCatalogue.h"
#include "platform/LanguageChoice.h"

namespace quillon {
namespace {

// A language whose text of id N is "tN", except that it has no text 0 and no text 351.
LanguageContext TestLanguage(int languageId = kLanguageEnglishUs) {
    return {languageId,
            [](int id) { return id == 0 || id == 351 ? std::string() : "t" + std::to_string(id); }};
}

KeyAssignment Record(int type, int value, int value2 = 0, std::string desc = {}) {
    KeyAssignment record;
    record.macro_type = type;
    record.macro_value = value;
    record.macro_value2 = value2;
    record.macro_desc = std::move(desc);
    return record;
}

TEST(FunctionCatalogue, ButtonsWithoutRowsShowTheirDefaults) {
    const int expectedTypes[] = {1, 3, 2, 5, 6, 7, 8};
    const int expectedPositions[] = {1, 3, 2, 4, 5, 6, 7};
    const LanguageContext language = TestLanguage();
    for (size_t i = 0; i < kEditableKeyCodes.size(); ++i) {
        const int keyCode = kEditableKeyCodes[i];
        const KeyAssignment record = DefaultAssignment(2, keyCode);
        EXPECT_EQ(record.profile, 2);
        EXPECT_EQ(record.macro_type, expectedTypes[i]) << keyCode;
        EXPECT_EQ(record.macro_value, 1);
        EXPECT_EQ(FunctionListPosition(record.macro_type), expectedPositions[i]) << keyCode;
        EXPECT_EQ(ButtonLabelTextId(keyCode), 120 + keyCode);
        EXPECT_EQ(AssignmentDisplayName(record, language), "t" + std::to_string(120 + keyCode));
    }
    EXPECT_EQ(DefaultFunctionType(6), kFnDevice55);
    EXPECT_EQ(DefaultFunctionType(9), kFnNone);
    EXPECT_EQ(ButtonLabelTextId(6), kNoTextId);
}

TEST(FunctionCatalogue, FunctionListOffersEighteenTypesInPositionOrder) {
    const std::array<int, kFunctionListSize> expected = {1,  2,  3,  5,  6,  7,  8,  15, 16,
                                                         17, 19, 20, 21, 22, 23, 24, 25, 26};
    EXPECT_EQ(FunctionListTypes(), expected);
    for (int hidden : {4, 9, 10, 11, 12, 13, 14, 18, 27}) {
        EXPECT_EQ(FunctionListPosition(hidden), 0) << hidden;
    }
}

TEST(FunctionCatalogue, DescribeAssignmentStoresTextIdsOrTheCallersText) {
    struct Case {
        int type;
        int value;
        const char* expected;
    };
    const Case cases[] = {
        {1, 1, "121"},     {2, 1, "123"},     {3, 1, "122"},      {4, 1, "126"},
        {5, 1, "124"},     {6, 1, "125"},     {7, 1, "127"},      {8, 1, "128"},
        {9, 1, "90"},      {10, 1, "91"},     {11, 1, "caller"},  {12, 1, "caller"},
        {13, 1, "129"},    {14, 1, "130"},    {15, 1, "150"},     {16, 1, "151"},
        {17, 1, "152"},    {18, 1, "152"},    {19, 1, "153"},     {20, 1, "154"},
        {21, 1, "155"},    {22, 4, "caller"}, {24, 1, "162"},     {25, 1, "178"},
        {25, 2, "179"},    {25, 8, "177"},    {25, 9, "caller"},  {25, 0, "caller"},
        {26, 1, "185"},    {26, 4, "189"},    {26, 5, "caller"},  {26, 10, "caller"},
        {26, 11, "31"},    {26, 13, "36"},    {26, 14, "caller"}, {27, 5, "caller"},
        {99, 1, "caller"},
    };
    const LanguageContext language = TestLanguage();
    for (const Case& c : cases) {
        EXPECT_EQ(DescribeAssignment(Record(c.type, c.value), "caller", language), c.expected)
            << "type " << c.type << " value " << c.value;
    }
}

TEST(FunctionCatalogue, MacroAssignmentTextIsTheLocalizedName) {
    LanguageContext chinese{kLanguageChineseSimplified, [](int id) {
                                return id == 351 ? std::string("自定义") : std::string();
                            }};
    EXPECT_EQ(DescribeAssignment(Record(kFnMacro, 3), "Custom 2 Copy", chinese), "自定义 2 复制");
}

TEST(FunctionCatalogue, DisplayNameLooksUpTheStoredIdAndFallsBackToTheText) {
    const LanguageContext language = TestLanguage();
    struct Case {
        int type;
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {1, "121", "t121"},
        {1, "  121", "t121"},  // leading blanks are skipped as atoi does
        {26, "Show desktop", "Show desktop"},
        {26, "", ""},
        {26, "0", "0"},  // no text 0 in the language file
        {27, "表情符号", "表情符号"},
        {22, "Ctrl + A", "Ctrl + A"},  // key and macro texts are names, never ids
        {23, "121", "121"},
        {4, "126", "t126"},
        {4, "111", "t126"},  // the left button's second code, as older rows name it
        {1, "111", "t111"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AssignmentDisplayName(Record(c.type, 1, 0, c.stored), language), c.shown)
            << c.stored;
    }
    EXPECT_EQ(AssignmentDisplayName(Record(1, 1, 0, "121"), LanguageContext{}), "121")
        << "without language texts the stored text shows";
}

TEST(FunctionCatalogue, SimpleAssignmentOnlyForTypesTheListStoresAtOnce) {
    const LanguageContext language = TestLanguage();
    KeyAssignment record = SimpleAssignment(3, 7, kFnDpiCycle, language);
    EXPECT_EQ(record.profile, 3);
    EXPECT_EQ(record.key_code, 7);
    EXPECT_EQ(record.macro_type, kFnDpiCycle);
    EXPECT_EQ(record.macro_value, 1);
    EXPECT_EQ(record.macro_value2, 0);
    EXPECT_EQ(record.macro_desc, "152");

    for (int type : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19, 20, 21, 24}) {
        EXPECT_TRUE(IsSimpleFunction(type)) << type;
    }
    for (int type : {0, 4, 13, 14, 22, 23, 25, 26, 27, 28}) {
        EXPECT_FALSE(IsSimpleFunction(type)) << type;
        EXPECT_EQ(SimpleAssignment(1, 1, type, language).macro_type, kFnNone) << type;
    }
}

TEST(FunctionCatalogue, CommandTablesHaveTheirUsagesAndDialogOrder) {
    EXPECT_EQ(FindMultimediaCommand(1)->consumerUsage, 0x0183);
    EXPECT_EQ(FindMultimediaCommand(1)->dialogPosition, 0);
    EXPECT_EQ(FindMultimediaCommand(8)->consumerUsage, 0x00E2);
    EXPECT_EQ(FindMultimediaCommand(9), nullptr);
    EXPECT_EQ(FindSystemCommand(0), nullptr);
    const SystemCommand* desktop = FindSystemCommand(5);
    EXPECT_EQ(desktop->modifiers, 8);
    EXPECT_EQ(desktop->usage, 0x07);
    EXPECT_FALSE(desktop->storedAsTextId);
    EXPECT_EQ(desktop->dialogPosition, 4);
    EXPECT_EQ(FindSystemCommand(8)->dialogPosition, 0) << "refresh is not offered";
    // Every offered position appears once.
    std::array<int, 13> seen{};
    for (const SystemCommand& command : SystemCommands()) {
        if (command.dialogPosition > 0) {
            ++seen[static_cast<size_t>(command.dialogPosition)];
        }
    }
    for (int position = 1; position <= 12; ++position) {
        EXPECT_EQ(seen[static_cast<size_t>(position)], 1) << position;
    }
}

}  // namespace
}  // namespace quillon
