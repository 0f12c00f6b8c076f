#pragma once

#include <string>

namespace quillon {

// Starting the program hidden at logon, through an XDG autostart entry. The entry's presence is
// the state: the desktop runs it at logon, and the settings page's switch shows it.

// "<XDG config home>/autostart/quillon-mouse.desktop".
std::string AutostartEntryPath();
// The entry for an executable: a desktop entry whose Exec runs it with -hide, quoted so that a
// path with blanks or shell characters still names the program.
std::string AutostartEntryText(const std::string& executable);

bool IsAutostartEnabled();
// Writes the entry (creating the folder); false when it could not be written.
bool EnableAutostart(const std::string& executable);
// Removes the entry; true when none is left (also when there was none).
bool DisableAutostart();

}  // namespace quillon
