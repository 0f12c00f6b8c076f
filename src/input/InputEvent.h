#pragma once

#include <cstdint>
#include <string>

namespace quillon {

// One decoded raw input event.
struct InputEvent {
    enum Kind : int { kNothing = 0, kMouse = 1, kKeyboard = 2, kOtherDevice = 3 };

    // kNothing also for a key press repeated while the key is held.
    int kind = kNothing;
    bool up = false;
    // Mouse: button mask; keyboard: sided virtual-key code.
    int code = 0;
    // "LB", "RB", "MB", "Backward", "Forward" or the captured key name; empty when the event
    // carries no button transition or key (movement, wheel).
    std::string name;
    std::uint32_t time = 0;
    int pointerX = 0;
    int pointerY = 0;
};

}  // namespace quillon
