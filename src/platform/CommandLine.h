#pragma once

#include <string>
#include <vector>

namespace quillon {

// True when "-hide" appears anywhere in the arguments after the program name, case-sensitive and
// also inside a longer word ("--hide", "x-hidey"). The program's own path is not searched, so an
// installation folder named like the switch does not hide the window.
bool HasHideSwitch(const std::vector<std::string>& arguments);
bool HasHideSwitch(int argc, const char* const* argv);

}  // namespace quillon
