#pragma once

#include <array>

#include "device/DeviceManager.h"
#include "protocol/ButtonCodes.h"
#include "store/SettingsStore.h"

namespace quillon {

class CommandChannel;

// The profiles whose button tables the program writes.
inline constexpr int kWrittenProfiles = 5;
using ProfileButtonTables = std::array<ButtonTable, kWrittenProfiles>;

// The tables of profiles 1..5 from the stored assignments.
ProfileButtonTables BuildProfileButtonTables(SettingsStore& store);

// Sends the tables of profiles 1..5 that the mouse does not hold by the channel's mirror, one
// command 0x09 each. Replies are not examined beyond the channel's own test.
void SendButtonTables(CommandChannel& channel, const ProfileButtonTables& tables);

// Stores what one code reported by the mouse means, as the assignment of the entry's button in
// `profile`; codes that decode to nothing leave the stored assignment alone.
void DecodeButtonEntry(SettingsStore& store, int profile, int entry, const ButtonCode& code);
// The same for a whole table read back from the mouse, against the stored macro table
// `macros`; only the buttons whose rows change are written.
void StoreButtonTable(SettingsStore& store, const std::vector<MacroHeader>& macros, int profile,
                      const ButtonTable& table);

}  // namespace quillon
