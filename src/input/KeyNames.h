#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Modifier bits of a keyboard assignment, laid out as the HID keyboard modifier byte.
inline constexpr int kModCtrl = 1;
inline constexpr int kModShift = 2;
inline constexpr int kModAlt = 4;
inline constexpr int kModWin = 8;

// English name of a HID keyboard usage (page 07); empty for a usage without a name.
std::string UsageName(int usage);

// The HID keyboard usage of a Windows virtual-key code, with the left/right distinction of the
// modifiers; 0 when the key has none.
int UsageOfVirtualKey(int virtualKey);

// 1 << (usage - 0xE0) for the modifier usages 0xE0..0xE7; any other usage is returned as it is.
int ModifierBitOfUsage(int usage);

// A key captured from the keyboard: the virtual-key code a macro item stores, and its name.
struct CapturedKey {
    int code = 0;
    std::string name;
};

// Turns a raw keyboard event into the code and name the editors store. `layoutName` is the
// keyboard layout's own name of the key; the sided modifiers, the keypad Enter and a few others
// get fixed English names instead. `makeCode` tells the two Shift keys apart; `prefixed` is an
// E0 or E1 prefix, which marks the right Ctrl, the right Alt and the keypad Enter.
CapturedKey CapturedKeyName(int virtualKey, int makeCode, bool prefixed,
                            std::string_view layoutName);

// Mouse buttons as captured and as macro items carry them: name and button mask.
inline constexpr int kMouseLeft = 1;
inline constexpr int kMouseRight = 2;
inline constexpr int kMouseMiddle = 4;
inline constexpr int kMouseBackward = 8;
inline constexpr int kMouseForward = 16;
// "LB", "RB", "MB", "Backward", "Forward"; empty for any other mask.
std::string MouseButtonName(int mask);

// The text of a key with modifiers, as the assignment dialog and the read-back show it:
// "Shift+ Ctrl+ Alt + A" for Ctrl, Shift and Alt with the key A.
std::string ShortcutText(int modifiers, std::string_view keyName);

}  // namespace quillon
