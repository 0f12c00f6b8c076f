#pragma once

namespace quillon {

class DeviceOperations;

// The parts of what the mouse holds, each sent by its own command; a change touches some.
struct MouseParts {
    bool macros = false;       // the macro image
    bool buttons = false;      // the button tables of every profile
    bool performance = false;  // the profile's performance block
    bool currentDpi = false;
    bool reportRate = false;
    bool lightMode = false;
};

// What an apply sends: every part but the light mode.
inline constexpr MouseParts kAppliedParts{
    .macros = true, .buttons = true, .performance = true, .currentDpi = true, .reportRate = true};
// What restoring the defaults sends: it leaves the macros alone, so nothing is refused.
inline constexpr MouseParts kRestoredParts{
    .buttons = true, .performance = true, .currentDpi = true, .reportRate = true};

// Sends the parts in the order the mouse needs them; false when the macro image does not fit,
// and then nothing was sent: button tables without their image would play the wrong macros.
bool SendParts(DeviceOperations& operations, const MouseParts& parts);

}  // namespace quillon
