#pragma once

#include <string>

class QKeyEvent;

namespace quillon {

// A key pressed in one of our windows, in the coding the data model keeps: the Windows
// virtual-key code (with the left/right codes of Shift, Ctrl, Alt and Win, 0x6C for the keypad
// Enter and the keypad codes for the keypad's keys), and the keyboard layout's own name of the
// key. Code 0 for a key without a virtual-key code.
struct PressedKey {
    int virtualKey = 0;
    std::string layoutName;
};

// The virtual-key code of a Qt key, given the event's modifiers (the keypad flag matters) and
// the platform's own key data: on X11 `nativeVirtualKey` is the keysym and `nativeScanCode` the
// X key code, which tell the left modifier keys from the right ones. A modifier whose side is
// unknown counts as the left one.
int QtKeyToVirtualKey(int qtKey, bool keypad, unsigned nativeVirtualKey, unsigned nativeScanCode);

PressedKey PressedKeyOf(const QKeyEvent& event);

// True for the codes of Shift, Ctrl, Alt, Win and the Application key, sided or not: the keys
// that only change other keys.
bool IsModifierVirtualKey(int virtualKey);

}  // namespace quillon
