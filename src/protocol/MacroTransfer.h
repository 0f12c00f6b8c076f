#pragma once

#include <string>
#include <vector>

#include "device/DeviceManager.h"
#include "protocol/MacroImage.h"
#include "store/SettingsStore.h"

namespace quillon {

// Every stored macro with its items, in storage order.
std::vector<MacroSource> LoadMacroSources(SettingsStore& store);

// Sends the used bytes of the image in 56-byte chunks, then the command that makes the mouse
// take them. Replies are not examined beyond the channel's own test; true when every command
// was answered.
bool SendMacroImage(DeviceManager& device, const MacroImage& image);

// Encodes the stored macros and sends the image. False, with nothing sent and the reason in
// `reason`, when the macros do not fit the mouse.
bool WriteMacros(DeviceManager& device, SettingsStore& store, std::string& reason);

}  // namespace quillon
