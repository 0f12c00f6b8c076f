#pragma once

#include <memory>

#include "input/RawInputSource.h"

namespace quillon {

// The recorder's raw input on this desktop: every program's on X11, the program's own windows
// in a Wayland session or without an X server.
std::unique_ptr<RawInputSource> MakeDesktopInputSource();

}  // namespace quillon
