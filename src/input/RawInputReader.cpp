#include "input/RawInputReader.h"

#include <iterator>

#include "input/KeyNames.h"

namespace quillon {
namespace {

struct Transition {
    unsigned flag;
    int mask;
    bool up;
};

// When one report carries several transitions, the first of this order is the event.
constexpr Transition kTransitionOrder[] = {
    {kRawLeftDown, kMouseLeft, false},        {kRawMiddleDown, kMouseMiddle, false},
    {kRawRightDown, kMouseRight, false},      {kRawLeftUp, kMouseLeft, true},
    {kRawMiddleUp, kMouseMiddle, true},       {kRawRightUp, kMouseRight, true},
    {kRawButton4Down, kMouseBackward, false}, {kRawButton4Up, kMouseBackward, true},
    {kRawButton5Down, kMouseForward, false},  {kRawButton5Up, kMouseForward, true},
};

}  // namespace

InputEvent RawInputReader::DecodeRawInput(const RawInput& raw) {
    InputEvent event;
    event.time = raw.time;
    event.pointerX = raw.pointerX;
    event.pointerY = raw.pointerY;
    switch (raw.device) {
        case RawInput::Device::Mouse: {
            event.kind = InputEvent::kMouse;
            for (const Transition& t : kTransitionOrder) {
                if ((raw.buttonFlags & t.flag) != 0) {
                    event.code = t.mask;
                    event.up = t.up;
                    event.name = MouseButtonName(t.mask);
                    break;
                }
            }
            break;
        }
        case RawInput::Device::Keyboard: {
            event.kind = InputEvent::kKeyboard;
            event.up = raw.keyUp;
            CapturedKey key =
                CapturedKeyName(raw.virtualKey, raw.makeCode, raw.prefixed, raw.layoutName);
            event.code = key.code;
            event.name = std::move(key.name);
            if (event.up) {
                held_.erase(event.code);
            } else if (!held_.insert(event.code).second) {
                event.kind = InputEvent::kNothing;
            }
            break;
        }
        case RawInput::Device::Other:
            event.kind = InputEvent::kOtherDevice;
            break;
    }
    return event;
}

}  // namespace quillon
