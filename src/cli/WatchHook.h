#pragma once

#include <functional>

namespace quillon::cli {

class DeviceSession;

// Called by `watch` on its own thread after every step, with the number of lines printed so
// far; returning false ends the watch as an interrupt would. Tests drive the virtual mouse from
// here. Pass an empty function to remove it.
using WatchHook = std::function<bool(DeviceSession& devices, int linesPrinted)>;
void SetWatchHook(WatchHook hook);

}  // namespace quillon::cli
