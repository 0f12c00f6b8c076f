#pragma once

#include <cstdint>
#include <string>

namespace quillon {

// Button transitions of one raw mouse report, laid out as the Windows raw-input button flags so
// that the decoder reads the same on every desktop.
inline constexpr unsigned kRawLeftDown = 0x001;
inline constexpr unsigned kRawLeftUp = 0x002;
inline constexpr unsigned kRawRightDown = 0x004;
inline constexpr unsigned kRawRightUp = 0x008;
inline constexpr unsigned kRawMiddleDown = 0x010;
inline constexpr unsigned kRawMiddleUp = 0x020;
inline constexpr unsigned kRawButton4Down = 0x040;
inline constexpr unsigned kRawButton4Up = 0x080;
inline constexpr unsigned kRawButton5Down = 0x100;
inline constexpr unsigned kRawButton5Up = 0x200;
inline constexpr unsigned kRawWheel = 0x400;

// What a desktop event source reports for one input event, before decoding: the device, its
// button transitions or its key as the keyboard hardware names it.
struct RawInput {
    enum class Device { Mouse, Keyboard, Other };

    Device device = Device::Other;
    // Milliseconds on the source's clock; only differences between two events are used.
    std::uint32_t time = 0;
    // Pointer position on the desktop when the event happened.
    int pointerX = 0;
    int pointerY = 0;

    // Mouse: kRaw* flags.
    unsigned buttonFlags = 0;

    // Keyboard: the virtual-key code with Shift, Ctrl and Alt unsided (0x10, 0x11, 0x12); the
    // make code (0x2A left Shift, 0x36 right Shift); the E0 prefix of the right Ctrl, the right
    // Alt, the keypad Enter and the other extended keys; the layout's name of the key.
    int virtualKey = 0;
    int makeCode = 0;
    bool prefixed = false;
    bool keyUp = false;
    std::string layoutName;
};

}  // namespace quillon
