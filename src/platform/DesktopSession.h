#pragma once

namespace quillon {

// A Wayland session: its compositor gives no program the input of others and takes no
// synthetic input, even through Xwayland.
bool IsWaylandSession();

}  // namespace quillon
