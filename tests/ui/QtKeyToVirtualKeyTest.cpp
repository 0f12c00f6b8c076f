#include <gtest/gtest.h>

#include <QKeyEvent>

#include "input/KeyNames.h"
#include "ui/QtKeyToVirtualKey.h"

namespace quillon {
namespace {

TEST(QtKeyToVirtualKey, KeysGetTheCodesTheDataModelStores) {
    struct Case {
        int key;
        bool keypad;
        unsigned keysym;
        unsigned scanCode;
        int virtualKey;
    };
    const Case cases[] = {
        {Qt::Key_A, false, 0, 0, 0x41},
        {Qt::Key_Z, false, 0, 0, 0x5A},
        {Qt::Key_0, false, 0, 0, 0x30},
        {Qt::Key_7, true, 0, 0, 0x67},
        {Qt::Key_F1, false, 0, 0, 0x70},
        {Qt::Key_F24, false, 0, 0, 0x87},
        {Qt::Key_Return, false, 0, 0, 0x0D},
        {Qt::Key_Enter, true, 0, 0, 0x6C},
        {Qt::Key_Asterisk, true, 0, 0, 0x6A},
        {Qt::Key_Asterisk, false, 0, 0, 0x38},  // Shift + 8
        {Qt::Key_Minus, true, 0, 0, 0x6D},
        {Qt::Key_Minus, false, 0, 0, 0xBD},
        {Qt::Key_Period, true, 0, 0, 0x6E},
        {Qt::Key_Exclam, false, 0, 0, 0x31},
        {Qt::Key_Question, false, 0, 0, 0xBF},
        {Qt::Key_PageDown, false, 0, 0, 0x22},
        {Qt::Key_Print, false, 0, 0, 0x2C},
        {Qt::Key_Menu, false, 0, 0, 0x5D},
        // Sides of the modifiers: keysym first, X key code when there is none, else the left.
        {Qt::Key_Shift, false, 0xFFE1, 50, 0xA0},
        {Qt::Key_Shift, false, 0xFFE2, 62, 0xA1},
        {Qt::Key_Shift, false, 0, 62, 0xA1},
        {Qt::Key_Shift, false, 0, 0, 0xA0},
        {Qt::Key_Control, false, 0xFFE4, 105, 0xA3},
        {Qt::Key_Control, false, 0xFFE3, 37, 0xA2},
        {Qt::Key_Alt, false, 0xFFEA, 108, 0xA5},
        {Qt::Key_AltGr, false, 0xFE03, 108, 0xA5},
        {Qt::Key_Alt, false, 0xFFE9, 64, 0xA4},
        {Qt::Key_Super_L, false, 0xFFEB, 133, 0x5B},
        {Qt::Key_Super_R, false, 0xFFEC, 134, 0x5C},
        {Qt::Key_VolumeUp, false, 0, 0, 0},
        {Qt::Key_unknown, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QtKeyToVirtualKey(c.key, c.keypad, c.keysym, c.scanCode), c.virtualKey)
            << std::hex << "key 0x" << c.key << " keypad " << c.keypad << " keysym 0x" << c.keysym;
    }
}

TEST(QtKeyToVirtualKey, EveryKeyOfAKeyboardReachesAUsage) {
    // Whatever the mapping gives for the keys of a full keyboard must be a code the keyboard
    // assignment can store, or the key would be captured and then lost.
    std::vector<std::pair<int, bool>> keys;
    for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key) {
        keys.emplace_back(key, false);
    }
    for (int key = Qt::Key_Escape; key <= Qt::Key_ScrollLock; ++key) {
        keys.emplace_back(key, false);
    }
    for (int key = Qt::Key_F1; key <= Qt::Key_F24; ++key) {
        keys.emplace_back(key, false);
    }
    for (int key : {Qt::Key_0, Qt::Key_5, Qt::Key_9, Qt::Key_Slash, Qt::Key_Plus, Qt::Key_Enter}) {
        keys.emplace_back(key, true);
    }
    int mapped = 0;
    for (const auto& [key, keypad] : keys) {
        const int virtualKey = QtKeyToVirtualKey(key, keypad, 0, 0);
        if (virtualKey == 0) {
            continue;
        }
        ++mapped;
        EXPECT_NE(UsageOfVirtualKey(virtualKey), 0)
            << std::hex << "key 0x" << key << " gives virtual key 0x" << virtualKey;
    }
    EXPECT_GT(mapped, 100);
}

TEST(QtKeyToVirtualKey, TheLayoutNamesAKeyAndTheModifiersAreKnown) {
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(PressedKeyOf(a).virtualKey, 0x41);
    EXPECT_EQ(PressedKeyOf(a).layoutName, "A");
    QKeyEvent rightCtrl(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, 105, 0xFFE4, 0);
    EXPECT_EQ(PressedKeyOf(rightCtrl).virtualKey, 0xA3);
    QKeyEvent keypadTwo(QEvent::KeyPress, Qt::Key_2, Qt::KeypadModifier, "2");
    EXPECT_EQ(PressedKeyOf(keypadTwo).virtualKey, 0x62);
    for (int code : {0x10, 0x11, 0x12, 0xA0, 0xA5, 0x5B, 0x5C, 0x5D}) {
        EXPECT_TRUE(IsModifierVirtualKey(code)) << code;
    }
    for (int code : {0x41, 0x13, 0x5E, 0xA6, 0x6C}) {
        EXPECT_FALSE(IsModifierVirtualKey(code)) << code;
    }
}

}  // namespace
}  // namespace quillon
