#include <gtest/gtest.h>

#include "input/KeyNames.h"

namespace quillon {
namespace {

TEST(KeyNames, UsageNamesByRuleAndTable) {
    struct Case {
        int usage;
        const char* name;
    };
    const Case cases[] = {
        {0x04, "A"},       {0x1D, "Z"},      {0x1E, "1"},
        {0x26, "9"},       {0x27, "0"},      {0x3A, "F1"},
        {0x45, "F12"},     {0x59, "Num 1"},  {0x61, "Num 9"},
        {0x62, "Num 0"},   {0x28, "Enter"},  {0x58, "Enter"},
        {0x31, "\\"},      {0x53, "Num"},    {0x54, "//"},
        {0x63, "Num Del"}, {0xAF, "Fn"},     {0xE0, "Ctrl"},
        {0xE4, "Ctrl"},    {0xE2, "Alt"},    {0xE6, "Alt"},
        {0xE1, "LShift"},  {0xE5, "RShift"}, {0xE3, "LWin"},
        {0xE7, "RWin"},    {0x32, ""},       {0x64, ""},
        {0x00, ""},        {0x03, ""},       {0x46, "Print Screen"},
        {0x68, ""},        {0xFF, ""},       {-1, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UsageName(c.usage), c.name) << std::hex << c.usage;
    }
}

TEST(KeyNames, UsageOfVirtualKey) {
    struct Case {
        int vk;
        int usage;
    };
    const Case cases[] = {
        {0x41, 0x04},
        {0x5A, 0x1D},
        {0x31, 0x1E},
        {0x39, 0x26},
        {0x30, 0x27},
        {0x0D, 0x28},
        {0x20, 0x2C},
        {0xBD, 0x2D},
        {0xDC, 0x31},
        {0x29A, 0x32},
        {0xBF, 0x38},
        {0x14, 0x39},
        {0x70, 0x3A},
        {0x7B, 0x45},
        {0x7C, 0x68},
        {0x87, 0x73},
        {0x2C, 0x46},
        {0x13, 0x48},
        {0x22, 0x4E},
        {0x26, 0x52},
        {0x90, 0x53},
        {0x6B, 0x57},
        {0x6C, 0x58},
        {0x61, 0x59},
        {0x69, 0x61},
        {0x60, 0x62},
        {0x6E, 0x63},
        {0xA2, 0xE0},
        {0xA0, 0xE1},
        {0xA4, 0xE2},
        {0x5B, 0xE3},
        {0xA3, 0xE4},
        {0xA1, 0xE5},
        {0xA5, 0xE6},
        {0x5C, 0xE7},
        {0x5D, 0x65},
        {0xFE, 0xAF},
        {0xE2, 0x64},
        {0x88, 0x88},
        {0x8B, 0x8B},
        {0x12D, 0xEC},
        {0x12E, 0xEB},
        // The unsided modifiers have no usage of their own.
        {0x10, 0},
        {0x11, 0},
        {0x12, 0},
        {0x00, 0},
        {0x40, 0},
        {0x8C, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UsageOfVirtualKey(c.vk), c.usage) << std::hex << c.vk;
    }
}

TEST(KeyNames, ModifierBitOfUsage) {
    EXPECT_EQ(ModifierBitOfUsage(0xE0), 1);
    EXPECT_EQ(ModifierBitOfUsage(0xE3), 8);
    EXPECT_EQ(ModifierBitOfUsage(0xE7), 0x80);
    EXPECT_EQ(ModifierBitOfUsage(0x04), 0x04);
    EXPECT_EQ(ModifierBitOfUsage(0xE8), 0xE8);
}

TEST(KeyNames, CapturedKeysGetSidedCodesAndFixedNames) {
    struct Case {
        int vk;
        int makeCode;
        bool prefixed;
        const char* layoutName;
        int code;
        const char* name;
    };
    const Case cases[] = {
        {0x11, 0x1D, true, "Ctrl", 0xA3, "RCtrl"},
        {0x11, 0x1D, false, "Ctrl", 0xA2, "LCtrl"},
        {0x12, 0x38, true, "Alt", 0xA5, "RAlt"},
        {0x12, 0x38, false, "Alt", 0xA4, "LAlt"},
        {0x0D, 0x1C, true, "Enter", 0x6C, "REnter"},
        {0x0D, 0x1C, false, "Enter", 0x0D, "Enter"},  // the layout's own name
        {0x10, 0x2A, false, "Shift", 0xA0, "LShift"},
        {0x10, 0x36, false, "Shift", 0xA1, "RShift"},
        {0x2C, 0x37, true, "Prnt Scrn", 0x2C, "Print Screen"},
        {0x5B, 0x5B, true, "Left Windows", 0x5B, "LWin"},
        {0x5D, 0x5D, true, "Application", 0x5D, "Application"},
        {0x90, 0x45, false, "Num Lock", 0x90, "Num Lock"},
        {0x13, 0x45, false, "Pause", 0x13, "Pause"},
        {0x41, 0x1E, false, "A", 0x41, "A"},
        {0x2E, 0x53, true, "Delete", 0x2E, "Delete"},
        {0x5A, 0x2C, false, "Я", 0x5A, "Я"},
    };
    for (const Case& c : cases) {
        const CapturedKey key = CapturedKeyName(c.vk, c.makeCode, c.prefixed, c.layoutName);
        EXPECT_EQ(key.code, c.code) << std::hex << c.vk;
        EXPECT_EQ(key.name, c.name) << std::hex << c.vk;
    }
}

TEST(KeyNames, ShortcutTextJoinsModifiersThenTheKey) {
    struct Case {
        int modifiers;
        const char* key;
        const char* text;
    };
    const Case cases[] = {
        {0, "A", "A"},
        {0, "", ""},
        {kModCtrl | kModAlt, "", "Ctrl+ Alt"},
        {kModWin, "Tab", "Win + Tab"},
        {kModCtrl | kModShift | kModAlt, "A", "Shift+ Ctrl+ Alt + A"},
        {kModCtrl | kModShift | kModAlt | kModWin, "F5", "Shift+ Ctrl+ Win+ Alt + F5"},
        {0x10, "B", "B"},  // bits beyond Win name nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortcutText(c.modifiers, c.key), c.text) << c.modifiers << " " << c.key;
    }
}

}  // namespace
}  // namespace quillon
