#pragma once

#include <string>

#include "emulator/VirtualFirmwareState.h"

namespace quillon {

// The virtual mouse's flash memory as a small text file, so that it keeps its settings across
// runs. The first line names the format and its version; every other line is a key and its
// values, byte arrays in hexadecimal.

std::string FormatVirtualMouseState(const VirtualFirmwareState& state);
// False with a reason (and `state` untouched) for anything but a complete, well-formed file of
// a known version.
bool ParseVirtualMouseState(const std::string& text, VirtualFirmwareState& state,
                            std::string& error);

bool LoadVirtualMouseState(const std::string& path, VirtualFirmwareState& state,
                           std::string& error);
// Written through a temporary file renamed into place.
bool SaveVirtualMouseState(const VirtualFirmwareState& state, const std::string& path,
                           std::string& error);

}  // namespace quillon
