#include "emulator/VirtualFirmwareState.h"

#include "emulator/VirtualPerformance.h"

namespace quillon {

VirtualFirmwareState VirtualFirmwareState::FactoryDefaults() {
    VirtualFirmwareState state;
    VirtualPerformance performance;
    performance.dpi = {400, 800, 1600, 3200, 6400, 12800};
    performance.colour = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF};
    performance.respondTime = 4;
    performance.sleepMinutes = 10;
    // The same nine codes the host writes for a profile without assignments.
    const ButtonTable defaultButtons = {0x20, 0x01, 0x00, 0x00, 0x20, 0x02, 0x00, 0x00, 0x20,
                                        0x04, 0x00, 0x00, 0x20, 0x08, 0x00, 0x00, 0x20, 0x10,
                                        0x00, 0x00, 0x21, 0x55, 0x00, 0x00, 0x21, 0x38, 0x01,
                                        0x00, 0x21, 0x38, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00};
    for (int p = 0; p < kProfiles; ++p) {
        state.performance[p] = performance.Encode(static_cast<std::uint8_t>(p));
        state.buttons[p] = defaultButtons;
    }
    return state;
}

}  // namespace quillon
