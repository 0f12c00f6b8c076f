#pragma once

#include <string>
#include <vector>

namespace quillon {

// Puts the desktop's pointer settings back to the desktop's own defaults, for the restore and
// factory reset tasks (device worker thread). Under GNOME these are the mouse keys of GSettings
// (speed, acceleration profile, natural scrolling, double-click time), each reset only when it
// differs from its default; without GNOME's schemas, the X server's pointer acceleration; on
// other desktops nothing. Nothing is reported to the user. Returns what was changed, as
// "schema key" (or "x11 pointer-control"), for logs and tests.
std::vector<std::string> RestorePointerDefaults();

}  // namespace quillon
