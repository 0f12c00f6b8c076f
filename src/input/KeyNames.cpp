#include "input/KeyNames.h"

#include <array>
#include <utility>

namespace quillon {
namespace {

struct CodeName {
    int code;
    std::string_view name;
};

constexpr auto kUsageNames = std::to_array<CodeName>({
    {0x28, "Enter"},   {0x29, "Esc"},       {0x2A, "Backspace"},
    {0x2B, "Tab"},     {0x2C, "Space"},     {0x2D, "-"},
    {0x2E, "="},       {0x2F, "["},         {0x30, "]"},
    {0x31, "\\"},      {0x33, ";"},         {0x34, "'"},
    {0x35, "`"},       {0x36, ","},         {0x37, "."},
    {0x38, "/"},       {0x39, "Caps Lock"}, {0x46, "Print Screen"},
    {0x47, "Scrlk"},   {0x48, "Pause"},     {0x49, "Insert"},
    {0x4A, "Home"},    {0x4B, "Page Up"},   {0x4C, "Delete"},
    {0x4D, "End"},     {0x4E, "Page Down"}, {0x4F, "Right"},
    {0x50, "Left"},    {0x51, "Down"},      {0x52, "Up"},
    {0x53, "Num"},     {0x54, "//"},        {0x55, "Num *"},
    {0x56, "Num -"},   {0x57, "Num +"},     {0x58, "Enter"},
    {0x63, "Num Del"}, {0x65, "Menu"},      {0xAF, "Fn"},
    {0xE0, "Ctrl"},    {0xE1, "LShift"},    {0xE2, "Alt"},
    {0xE3, "LWin"},    {0xE4, "Ctrl"},      {0xE5, "RShift"},
    {0xE6, "Alt"},     {0xE7, "RWin"},
});

// Virtual keys whose usage is not given by one of the ranges.
constexpr auto kVirtualKeyUsages = std::to_array<std::pair<int, int>>({
    {0x30, 0x27}, {0x0D, 0x28}, {0x1B, 0x29}, {0x08, 0x2A},  {0x09, 0x2B},  {0x20, 0x2C},
    {0xBD, 0x2D}, {0xBB, 0x2E}, {0xDB, 0x2F}, {0xDD, 0x30},  {0xDC, 0x31},  {0x29A, 0x32},
    {0xBA, 0x33}, {0xDE, 0x34}, {0xC0, 0x35}, {0xBC, 0x36},  {0xBE, 0x37},  {0xBF, 0x38},
    {0x14, 0x39}, {0x2C, 0x46}, {0x91, 0x47}, {0x13, 0x48},  {0x2D, 0x49},  {0x24, 0x4A},
    {0x21, 0x4B}, {0x2E, 0x4C}, {0x23, 0x4D}, {0x22, 0x4E},  {0x27, 0x4F},  {0x25, 0x50},
    {0x28, 0x51}, {0x26, 0x52}, {0x90, 0x53}, {0x6F, 0x54},  {0x6A, 0x55},  {0x6D, 0x56},
    {0x6B, 0x57}, {0x6C, 0x58}, {0x60, 0x62}, {0x6E, 0x63},  {0xA2, 0xE0},  {0xA0, 0xE1},
    {0xA4, 0xE2}, {0x5B, 0xE3}, {0xA3, 0xE4}, {0xA1, 0xE5},  {0xA5, 0xE6},  {0x5C, 0xE7},
    {0x5D, 0x65}, {0xFE, 0xAF}, {0xE2, 0x64}, {0x12D, 0xEC}, {0x12E, 0xEB},
});

constexpr auto kFixedKeyNames = std::to_array<CodeName>({
    {0x13, "Pause"},
    {0x2C, "Print Screen"},
    {0x5B, "LWin"},
    {0x5C, "RWin"},
    {0x5D, "Application"},
    {0x6C, "REnter"},
    {0x90, "Num Lock"},
    {0xA0, "LShift"},
    {0xA1, "RShift"},
    {0xA2, "LCtrl"},
    {0xA3, "RCtrl"},
    {0xA4, "LAlt"},
    {0xA5, "RAlt"},
});

constexpr int kVkEnter = 0x0D;
constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkMenu = 0x12;
constexpr int kLeftShiftMakeCode = 0x2A;

template <size_t N>
std::string_view FindName(const std::array<CodeName, N>& table, int code) {
    for (const CodeName& entry : table) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return {};
}

}  // namespace

std::string UsageName(int usage) {
    if (usage >= 0x04 && usage <= 0x1D) {
        return std::string(1, static_cast<char>('A' + (usage - 0x04)));
    }
    if (usage >= 0x1E && usage <= 0x26) {
        return std::string(1, static_cast<char>('1' + (usage - 0x1E)));
    }
    if (usage == 0x27) {
        return "0";
    }
    if (usage >= 0x3A && usage <= 0x45) {
        return "F" + std::to_string(usage - 0x3A + 1);
    }
    if (usage >= 0x59 && usage <= 0x61) {
        return "Num " + std::to_string(usage - 0x59 + 1);
    }
    if (usage == 0x62) {
        return "Num 0";
    }
    return std::string(FindName(kUsageNames, usage));
}

int UsageOfVirtualKey(int virtualKey) {
    if (virtualKey >= 0x41 && virtualKey <= 0x5A) {
        return virtualKey - 0x3D;
    }
    if (virtualKey >= 0x31 && virtualKey <= 0x39) {
        return virtualKey - 0x13;
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x7B) {
        return virtualKey - 0x70 + 0x3A;
    }
    if (virtualKey >= 0x7C && virtualKey <= 0x87) {
        return virtualKey - 0x7C + 0x68;
    }
    if (virtualKey >= 0x61 && virtualKey <= 0x69) {
        return virtualKey - 0x61 + 0x59;
    }
    if (virtualKey >= 0x88 && virtualKey <= 0x8B) {
        return virtualKey;
    }
    for (const auto& [key, usage] : kVirtualKeyUsages) {
        if (key == virtualKey) {
            return usage;
        }
    }
    return 0;
}

int ModifierBitOfUsage(int usage) {
    if (usage >= 0xE0 && usage <= 0xE7) {
        return 1 << (usage - 0xE0);
    }
    return usage;
}

CapturedKey CapturedKeyName(int virtualKey, int makeCode, bool prefixed,
                            std::string_view layoutName) {
    int code = virtualKey;
    if (code == kVkShift) {
        code = makeCode == kLeftShiftMakeCode ? 0xA0 : 0xA1;
    } else if (code == kVkControl) {
        code = prefixed ? 0xA3 : 0xA2;
    } else if (code == kVkMenu) {
        code = prefixed ? 0xA5 : 0xA4;
    } else if (code == kVkEnter && prefixed) {
        code = 0x6C;
    }
    std::string_view fixed = FindName(kFixedKeyNames, code);
    return {code, std::string(fixed.empty() ? layoutName : fixed)};
}

std::string MouseButtonName(int mask) {
    switch (mask) {
        case kMouseLeft:
            return "LB";
        case kMouseRight:
            return "RB";
        case kMouseMiddle:
            return "MB";
        case kMouseBackward:
            return "Backward";
        case kMouseForward:
            return "Forward";
        default:
            return {};
    }
}

std::string ShortcutText(int modifiers, std::string_view keyName) {
    std::string text;
    auto add = [&text](int bits, int bit, const char* word) {
        if ((bits & bit) == 0) {
            return;
        }
        text += text.empty() ? word : std::string("+ ") + word;
    };
    add(modifiers, kModShift, "Shift");
    add(modifiers, kModCtrl, "Ctrl");
    add(modifiers, kModWin, "Win");
    add(modifiers, kModAlt, "Alt");
    if (text.empty()) {
        return std::string(keyName);
    }
    if (keyName.empty()) {
        return text;
    }
    return text + " + " + std::string(keyName);
}

}  // namespace quillon
