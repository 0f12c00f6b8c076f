#pragma once

#include <memory>

#include "input/TextTyper.h"

namespace quillon {

// The typer of the window's emoji notifications: XTest on an X desktop; in a Wayland session,
// or without a display, one that types nothing (the macro page says why in the message line).
std::unique_ptr<TextTyper> MakeDesktopTyper();

}  // namespace quillon
