#include "platform/x11/XTestTyper.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace quillon {
namespace {

// How many free keycodes the characters take turns over, and how long the last mappings stay
// after the last key, so that the receiving program has read them.
constexpr size_t kKeycodesInTurn = 8;
constexpr auto kMappingSettle = std::chrono::milliseconds(100);

KeySym KeysymOfCharacter(char32_t character) {
    // Latin-1 characters have keysyms equal to their code; every other character has
    // 0x01000000 plus its code point.
    if ((character >= 0x20 && character < 0x7F) || (character >= 0xA0 && character <= 0xFF)) {
        return character;
    }
    return 0x01000000 + static_cast<KeySym>(character);
}

// Keycodes without any keysym, the highest first.
std::vector<int> FindSpareKeycodes(Display* display, int& perCode) {
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(display, &minCode, &maxCode);
    KeySym* map = XGetKeyboardMapping(display, static_cast<KeyCode>(minCode), maxCode - minCode + 1,
                                      &perCode);
    std::vector<int> spare;
    if (map == nullptr) {
        return spare;
    }
    for (int code = maxCode; code >= minCode && spare.size() < kKeycodesInTurn; --code) {
        const KeySym* syms = map + (code - minCode) * perCode;
        if (std::all_of(syms, syms + perCode, [](KeySym s) { return s == NoSymbol; })) {
            spare.push_back(code);
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
    if (XTestQueryExtension(display, &event, &error, &major, &minor)) {
        spare_ = FindSpareKeycodes(display, perKeycode_);
    }
    if (spare_.empty() || perKeycode_ <= 0) {
        XCloseDisplay(display);
        return;
    }
    display_ = display;
}

XTestTyper::~XTestTyper() {
    if (display_ != nullptr) {
        RestoreLocked();
        XCloseDisplay(display_);
    }
}

void XTestTyper::TypeCharacter(char32_t character) {
    std::lock_guard lock(mutex_);
    if (display_ == nullptr) {
        return;
    }
    const int keycode = spare_[next_];
    next_ = (next_ + 1) % spare_.size();
    used_ = std::min(used_ + 1, spare_.size());
    // Every column, so that a held Shift or Caps Lock types the same character.
    std::vector<KeySym> mapped(static_cast<size_t>(perKeycode_), KeysymOfCharacter(character));
    XChangeKeyboardMapping(display_, keycode, perKeycode_, mapped.data(), 1);
    XSync(display_, False);
    XTestFakeKeyEvent(display_, static_cast<unsigned>(keycode), True, CurrentTime);
    XTestFakeKeyEvent(display_, static_cast<unsigned>(keycode), False, CurrentTime);
    XSync(display_, False);
}

void XTestTyper::Finish() {
    std::lock_guard lock(mutex_);
    if (display_ != nullptr && used_ > 0) {
        std::this_thread::sleep_for(kMappingSettle);
        RestoreLocked();
    }
}

// The borrowed keycodes were free: they get their empty mapping back.
void XTestTyper::RestoreLocked() {
    std::vector<KeySym> empty(static_cast<size_t>(perKeycode_), NoSymbol);
    for (size_t i = 0; i < used_; ++i) {
        XChangeKeyboardMapping(display_, spare_[i], perKeycode_, empty.data(), 1);
    }
    XSync(display_, False);
    used_ = 0;
    next_ = 0;
}

}  // namespace quillon
