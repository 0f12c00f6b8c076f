#include "platform/x11/XTestTyper.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace quillon {
namespace {

// The receiving program reads the keysym from the mapping when it handles the key, so the
// character's mapping stays in place this long after the release.
constexpr auto kMappingSettle = std::chrono::milliseconds(10);

KeySym KeysymOfCharacter(char32_t character) {
    // Latin-1 characters have keysyms equal to their code; every other character has
    // 0x01000000 plus its code point.
    if ((character >= 0x20 && character < 0x7F) || (character >= 0xA0 && character <= 0xFF)) {
        return character;
    }
    return 0x01000000 + static_cast<KeySym>(character);
}

// The highest keycode without any keysym; 0 when every keycode carries one.
int FindSpareKeycode(Display* display) {
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(display, &minCode, &maxCode);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(minCode), maxCode - minCode + 1,
                                      &perCode);
    if (map == nullptr) {
        return 0;
    }
    int spare = 0;
    for (int code = maxCode; code >= minCode && spare == 0; --code) {
        bool empty = true;
        for (int i = 0; i < perCode; ++i) {
            if (map[(code - minCode) * perCode + i] != NoSymbol) {
                empty = false;
            }
        }
        if (empty) {
            spare = code;
        }
    }
    XFree(map);
    return spare;
}

}  // namespace

XTestTyper::XTestTyper() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return;
    }
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    const int spare = XTestQueryExtension(display, &event, &error, &major, &minor)
                          ? FindSpareKeycode(display)
                          : 0;
    if (spare == 0) {
        XCloseDisplay(display);
        return;
    }
    display_ = display;
    spareKeycode_ = spare;
}

XTestTyper::~XTestTyper() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

void XTestTyper::TypeCharacter(char32_t character) {
    std::lock_guard lock(mutex_);
    if (display_ == nullptr) {
        return;
    }
    const auto code = static_cast<KeyCode>(spareKeycode_);
    int perCode = 0;
    KeySym* old = XGetKeyboardMapping(display_, code, 1, &perCode);
    if (old == nullptr) {
        return;
    }
    const std::vector<KeySym> saved(old, old + perCode);
    XFree(old);

    // Every column, so that a held Shift or Caps Lock types the same character.
    std::vector<KeySym> mapped(saved.size(), KeysymOfCharacter(character));
    XChangeKeyboardMapping(display_, code, perCode, mapped.data(), 1);
    XSync(display_, False);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XSync(display_, False);
    std::this_thread::sleep_for(kMappingSettle);
    std::vector<KeySym> restore = saved;
    XChangeKeyboardMapping(display_, code, perCode, restore.data(), 1);
    XSync(display_, False);
}

}  // namespace quillon
