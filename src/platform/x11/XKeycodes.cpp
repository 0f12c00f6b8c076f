#include "platform/x11/XKeycodes.h"

#include <array>
#include <cstddef>

namespace quillon {
namespace {

constexpr int kFirstKeycode = 8;
constexpr int kKeycodeCount = 256;

struct Entry {
    int keycode;
    WindowsKey key;
};

// X keycode = Linux input code + 8. Make codes only where the captured-key rules read them.
// clang-format off
constexpr Entry kEntries[] = {
    {9, {0x1B, 0x01, false}},       // Escape
    {10, {0x31, 0, false}},         // 1
    {11, {0x32, 0, false}},         // 2
    {12, {0x33, 0, false}},         // 3
    {13, {0x34, 0, false}},         // 4
    {14, {0x35, 0, false}},         // 5
    {15, {0x36, 0, false}},         // 6
    {16, {0x37, 0, false}},         // 7
    {17, {0x38, 0, false}},         // 8
    {18, {0x39, 0, false}},         // 9
    {19, {0x30, 0, false}},         // 0
    {20, {0xBD, 0, false}},         // minus
    {21, {0xBB, 0, false}},         // equal
    {22, {0x08, 0, false}},         // BackSpace
    {23, {0x09, 0, false}},         // Tab
    {24, {0x51, 0, false}},         // Q
    {25, {0x57, 0, false}},         // W
    {26, {0x45, 0, false}},         // E
    {27, {0x52, 0, false}},         // R
    {28, {0x54, 0, false}},         // T
    {29, {0x59, 0, false}},         // Y
    {30, {0x55, 0, false}},         // U
    {31, {0x49, 0, false}},         // I
    {32, {0x4F, 0, false}},         // O
    {33, {0x50, 0, false}},         // P
    {34, {0xDB, 0, false}},         // bracketleft
    {35, {0xDD, 0, false}},         // bracketright
    {36, {0x0D, 0x1C, false}},      // Return
    {37, {0x11, 0x1D, false}},      // Control_L
    {38, {0x41, 0, false}},         // A
    {39, {0x53, 0, false}},         // S
    {40, {0x44, 0, false}},         // D
    {41, {0x46, 0, false}},         // F
    {42, {0x47, 0, false}},         // G
    {43, {0x48, 0, false}},         // H
    {44, {0x4A, 0, false}},         // J
    {45, {0x4B, 0, false}},         // K
    {46, {0x4C, 0, false}},         // L
    {47, {0xBA, 0, false}},         // semicolon
    {48, {0xDE, 0, false}},         // apostrophe
    {49, {0xC0, 0, false}},         // grave
    {50, {0x10, 0x2A, false}},      // Shift_L
    {51, {0xDC, 0, false}},         // backslash
    {52, {0x5A, 0, false}},         // Z
    {53, {0x58, 0, false}},         // X
    {54, {0x43, 0, false}},         // C
    {55, {0x56, 0, false}},         // V
    {56, {0x42, 0, false}},         // B
    {57, {0x4E, 0, false}},         // N
    {58, {0x4D, 0, false}},         // M
    {59, {0xBC, 0, false}},         // comma
    {60, {0xBE, 0, false}},         // period
    {61, {0xBF, 0, false}},         // slash
    {62, {0x10, 0x36, false}},      // Shift_R
    {63, {0x6A, 0x37, false}},      // KP_Multiply
    {64, {0x12, 0x38, false}},      // Alt_L
    {65, {0x20, 0x39, false}},      // space
    {66, {0x14, 0x3A, false}},      // Caps_Lock
    {67, {0x70, 0, false}},         // F1
    {68, {0x71, 0, false}},         // F2
    {69, {0x72, 0, false}},         // F3
    {70, {0x73, 0, false}},         // F4
    {71, {0x74, 0, false}},         // F5
    {72, {0x75, 0, false}},         // F6
    {73, {0x76, 0, false}},         // F7
    {74, {0x77, 0, false}},         // F8
    {75, {0x78, 0, false}},         // F9
    {76, {0x79, 0, false}},         // F10
    {77, {0x90, 0x45, false}},      // Num_Lock
    {78, {0x91, 0x46, false}},      // Scroll_Lock
    {79, {0x67, 0, false}},         // KP_7
    {80, {0x68, 0, false}},         // KP_8
    {81, {0x69, 0, false}},         // KP_9
    {82, {0x6D, 0, false}},         // KP_Subtract
    {83, {0x64, 0, false}},         // KP_4
    {84, {0x65, 0, false}},         // KP_5
    {85, {0x66, 0, false}},         // KP_6
    {86, {0x6B, 0, false}},         // KP_Add
    {87, {0x61, 0, false}},         // KP_1
    {88, {0x62, 0, false}},         // KP_2
    {89, {0x63, 0, false}},         // KP_3
    {90, {0x60, 0, false}},         // KP_0
    {91, {0x6E, 0, false}},         // KP_Decimal
    {94, {0xE2, 0, false}},         // the key between left Shift and Z
    {95, {0x7A, 0, false}},         // F11
    {96, {0x7B, 0, false}},         // F12
    {104, {0x0D, 0x1C, true}},      // KP_Enter
    {105, {0x11, 0x1D, true}},      // Control_R
    {106, {0x6F, 0x35, true}},      // KP_Divide
    {107, {0x2C, 0x37, true}},      // Print
    {108, {0x12, 0x38, true}},      // Alt_R
    {110, {0x24, 0x47, true}},      // Home
    {111, {0x26, 0x48, true}},      // Up
    {112, {0x21, 0x49, true}},      // Prior
    {113, {0x25, 0x4B, true}},      // Left
    {114, {0x27, 0x4D, true}},      // Right
    {115, {0x23, 0x4F, true}},      // End
    {116, {0x28, 0x50, true}},      // Down
    {117, {0x22, 0x51, true}},      // Next
    {118, {0x2D, 0x52, true}},      // Insert
    {119, {0x2E, 0x53, true}},      // Delete
    {127, {0x13, 0x45, false}},     // Pause
    {133, {0x5B, 0x5B, true}},      // Super_L
    {134, {0x5C, 0x5C, true}},      // Super_R
    {135, {0x5D, 0x5D, true}},      // Menu
    {191, {0x7C, 0, false}},        // F13
    {192, {0x7D, 0, false}},        // F14
    {193, {0x7E, 0, false}},        // F15
    {194, {0x7F, 0, false}},        // F16
    {195, {0x80, 0, false}},        // F17
    {196, {0x81, 0, false}},        // F18
    {197, {0x82, 0, false}},        // F19
    {198, {0x83, 0, false}},        // F20
    {199, {0x84, 0, false}},        // F21
    {200, {0x85, 0, false}},        // F22
    {201, {0x86, 0, false}},        // F23
    {202, {0x87, 0, false}},        // F24
};
// clang-format on

constexpr std::array<WindowsKey, kKeycodeCount> MakeTable() {
    std::array<WindowsKey, kKeycodeCount> table{};
    for (const Entry& entry : kEntries) {
        table[static_cast<std::size_t>(entry.keycode)] = entry.key;
    }
    return table;
}

constexpr std::array<WindowsKey, kKeycodeCount> kTable = MakeTable();

// Keysyms of the Latin letters and the digits (X keysyms equal their ASCII codes).
bool IsLetterOrDigit(unsigned long keysym) {
    return (keysym >= 'a' && keysym <= 'z') || (keysym >= 'A' && keysym <= 'Z') ||
           (keysym >= '0' && keysym <= '9');
}

}  // namespace

WindowsKey WindowsKeyOfXKeycode(int keycode, unsigned long baseKeysym) {
    if (keycode < kFirstKeycode || keycode >= kKeycodeCount) {
        return {};
    }
    WindowsKey key = kTable[static_cast<std::size_t>(keycode)];
    // A letter or digit moved by the layout (AZERTY's A on the Q key) keeps its own code; keys
    // without a table entry stay unknown, since the rest of the layout says nothing about them.
    const bool typingKey = key.virtualKey >= 0x30 && key.virtualKey <= 0x5A;
    if (key.virtualKey != 0 && IsLetterOrDigit(baseKeysym) &&
        (typingKey || (key.virtualKey >= 0xBA && key.virtualKey <= 0xE2))) {
        key.virtualKey = static_cast<int>(
            baseKeysym >= 'a' && baseKeysym <= 'z' ? baseKeysym - 'a' + 'A' : baseKeysym);
    }
    return key;
}

}  // namespace quillon
