#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quillon {

// What the virtual mouse keeps in its flash memory (and, for convenience, its battery).
struct VirtualFirmwareState {
    static constexpr int kProfiles = 6;
    static constexpr std::size_t kPerformanceSize = 56;  // request bytes 9..64 of a block write
    static constexpr std::size_t kButtonTableSize = 36;  // nine 4-byte button codes
    static constexpr std::size_t kMacroImageSize = 4224;

    using PerformanceBlock = std::array<std::uint8_t, kPerformanceSize>;
    using ButtonTable = std::array<std::uint8_t, kButtonTableSize>;
    using MacroImage = std::array<std::uint8_t, kMacroImageSize>;

    std::array<PerformanceBlock, kProfiles> performance{};
    std::array<ButtonTable, kProfiles> buttons{};
    MacroImage macroImage{};
    std::uint8_t currentProfile = 0;  // profile index of the last write that named one
    std::uint8_t batteryLevel = 80;
    std::uint8_t chargeState = 0;
    std::string firmwareDigits = "104";    // three ASCII digits, answered to the version command
    std::string featureVersion = "1.0.4";  // text of feature report 0x51, at most 18 bytes

    // A mouse as it leaves the factory.
    static VirtualFirmwareState FactoryDefaults();

    bool operator==(const VirtualFirmwareState&) const = default;
};

}  // namespace quillon
