#pragma once

namespace quillon {

// A key as the Windows keyboard reports it in raw input, which the macro data stores: the
// virtual-key code (Shift, Ctrl and Alt unsided), the make code and the E0 prefix.
struct WindowsKey {
    int virtualKey = 0;
    int makeCode = 0;
    bool prefixed = false;
};

// The key of an X keycode of the evdev keyboard model (Xorg, Xwayland, Xvfb and the xkb
// keycodes Wayland compositors hand out all use it). `baseKeysym` is the layout's keysym of the
// key without modifiers: a letter or digit takes its virtual key from the layout, as Windows
// does; every other key from its place on the keyboard. virtualKey 0 for unknown keys.
WindowsKey WindowsKeyOfXKeycode(int keycode, unsigned long baseKeysym);

}  // namespace quillon
