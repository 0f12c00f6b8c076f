#include "platform/x11/X11InputSource.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include "input/RawInputBuffer.h"
#include "platform/x11/XKeyNames.h"
#include "platform/x11/XKeycodes.h"

namespace quillon {
namespace {

// X button numbers: 1 left, 2 middle, 3 right, 4 to 7 the wheels, 8 back, 9 forward.
unsigned ButtonFlags(int button, bool release) {
    switch (button) {
        case 1:
            return release ? kRawLeftUp : kRawLeftDown;
        case 2:
            return release ? kRawMiddleUp : kRawMiddleDown;
        case 3:
            return release ? kRawRightUp : kRawRightDown;
        case 8:
            return release ? kRawButton4Up : kRawButton4Down;
        case 9:
            return release ? kRawButton5Up : kRawButton5Down;
        default:
            return button >= 4 && button <= 7 ? kRawWheel : 0;
    }
}

RawInput KeyInput(Display* display, const XIRawEvent& event) {
    RawInput raw;
    raw.device = RawInput::Device::Keyboard;
    raw.keyUp = event.evtype == XI_RawKeyRelease;
    const KeySym keysym = XkbKeycodeToKeysym(display, static_cast<KeyCode>(event.detail), 0, 0);
    const WindowsKey key = WindowsKeyOfXKeycode(event.detail, keysym);
    raw.virtualKey = key.virtualKey;
    raw.makeCode = key.makeCode;
    raw.prefixed = key.prefixed;
    raw.layoutName = LayoutKeyName(keysym, key.virtualKey, XKeysymToString(keysym));
    return raw;
}

RawInput ButtonInput(Display* display, const XIRawEvent& event) {
    RawInput raw;
    raw.device = RawInput::Device::Mouse;
    raw.buttonFlags = ButtonFlags(event.detail, event.evtype == XI_RawButtonRelease);
    Window root = 0;
    Window child = 0;
    int winX = 0;
    int winY = 0;
    unsigned mask = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &raw.pointerX, &raw.pointerY,
                  &winX, &winY, &mask);
    return raw;
}

}  // namespace

bool X11InputSource::Start(RawInputBuffer& buffer, Post posted) {
    return thread_.Start({XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress, XI_RawButtonRelease},
                         [&buffer, posted](Display* display, int type, const void* data) {
                             const auto& event = *static_cast<const XIRawEvent*>(data);
                             RawInput raw = type == XI_RawKeyPress || type == XI_RawKeyRelease
                                                ? KeyInput(display, event)
                                                : ButtonInput(display, event);
                             raw.time = static_cast<std::uint32_t>(event.time);
                             posted(buffer.Put(raw));
                         });
}

void X11InputSource::Stop() {
    thread_.Stop();
}

}  // namespace quillon
