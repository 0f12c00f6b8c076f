#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The command line (program path first) of the desktop's mouse settings panel: the first known
// panel whose program is on `searchPath` (a PATH value), the current desktop's own before the
// others. `currentDesktop` is an XDG_CURRENT_DESKTOP value ("ubuntu:GNOME"). Empty when none is
// installed.
std::vector<std::string> FindMouseSettingsPanel(std::string_view searchPath,
                                                std::string_view currentDesktop);

// The same for this process's PATH and XDG_CURRENT_DESKTOP.
std::vector<std::string> FindMouseSettingsPanel();

}  // namespace quillon
