#include "ui/QtKeyToVirtualKey.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <utility>

namespace quillon {
namespace {

// X11 keysyms and key codes of the sided modifiers.
constexpr unsigned kXkShiftR = 0xFFE2;
constexpr unsigned kXkControlR = 0xFFE4;
constexpr unsigned kXkMetaR = 0xFFE8;
constexpr unsigned kXkAltR = 0xFFEA;
constexpr unsigned kXkSuperR = 0xFFEC;
constexpr unsigned kXkIsoLevel3Shift = 0xFE03;  // AltGr
constexpr unsigned kXcbRightShift = 62;
constexpr unsigned kXcbRightCtrl = 105;
constexpr unsigned kXcbRightAlt = 108;
constexpr unsigned kXcbRightSuper = 134;

bool IsRight(unsigned keysym, unsigned scanCode, unsigned rightKeysym, unsigned rightScanCode) {
    return keysym == rightKeysym || (keysym == 0 && scanCode == rightScanCode);
}

// Keys whose virtual-key code does not follow from the Qt key by a range.
constexpr std::pair<int, int> kFixedKeys[] = {
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x6C},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_SysReq, 0x2C},
    {Qt::Key_Home, 0x24},
    {Qt::Key_End, 0x23},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Space, 0x20},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    // The shifted digits of a US layout: the key, not the character, is what is stored.
    {Qt::Key_Exclam, 0x31},
    {Qt::Key_At, 0x32},
    {Qt::Key_NumberSign, 0x33},
    {Qt::Key_Dollar, 0x34},
    {Qt::Key_Percent, 0x35},
    {Qt::Key_AsciiCircum, 0x36},
    {Qt::Key_Ampersand, 0x37},
    {Qt::Key_Asterisk, 0x38},
    {Qt::Key_ParenLeft, 0x39},
    {Qt::Key_ParenRight, 0x30},
};

// The keypad's own keys, told apart from the main keys by the keypad flag.
constexpr std::pair<int, int> kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
};

int Lookup(const std::pair<int, int>* begin, const std::pair<int, int>* end, int qtKey) {
    for (const auto* entry = begin; entry != end; ++entry) {
        if (entry->first == qtKey) {
            return entry->second;
        }
    }
    return 0;
}

}  // namespace

int QtKeyToVirtualKey(int qtKey, bool keypad, unsigned nativeVirtualKey, unsigned nativeScanCode) {
    switch (qtKey) {
        case Qt::Key_Shift:
            return IsRight(nativeVirtualKey, nativeScanCode, kXkShiftR, kXcbRightShift) ? 0xA1
                                                                                        : 0xA0;
        case Qt::Key_Control:
            return IsRight(nativeVirtualKey, nativeScanCode, kXkControlR, kXcbRightCtrl) ? 0xA3
                                                                                         : 0xA2;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return qtKey == Qt::Key_AltGr || nativeVirtualKey == kXkIsoLevel3Shift ||
                           IsRight(nativeVirtualKey, nativeScanCode, kXkAltR, kXcbRightAlt)
                       ? 0xA5
                       : 0xA4;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return qtKey == Qt::Key_Super_R || nativeVirtualKey == kXkMetaR ||
                           IsRight(nativeVirtualKey, nativeScanCode, kXkSuperR, kXcbRightSuper)
                       ? 0x5C
                       : 0x5B;
        default:
            break;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return keypad ? 0x60 + (qtKey - Qt::Key_0) : qtKey;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return 0x70 + (qtKey - Qt::Key_F1);
    }
    if (keypad) {
        if (int code = Lookup(std::begin(kKeypadKeys), std::end(kKeypadKeys), qtKey)) {
            return code;
        }
    }
    return Lookup(std::begin(kFixedKeys), std::end(kFixedKeys), qtKey);
}

PressedKey PressedKeyOf(const QKeyEvent& event) {
    PressedKey key;
    key.virtualKey = QtKeyToVirtualKey(event.key(), event.modifiers() & Qt::KeypadModifier,
                                       event.nativeVirtualKey(), event.nativeScanCode());
    key.layoutName = QKeySequence(event.key()).toString(QKeySequence::NativeText).toStdString();
    return key;
}

bool IsModifierVirtualKey(int virtualKey) {
    return (virtualKey >= 0x10 && virtualKey <= 0x12) ||
           (virtualKey >= 0xA0 && virtualKey <= 0xA5) || (virtualKey >= 0x5B && virtualKey <= 0x5D);
}

}  // namespace quillon
