#pragma once

#include <functional>

#include "platform/EdgeWatch.h"
#include "platform/x11/X11EventThread.h"

namespace quillon {

// The screen-edge watch of the X desktop: raw pointer motion, then the pointer's position
// against the desktop span: the start-up's (DisplayMetrics), or the root window's width, which
// holds all monitors side by side. `send` gets 1 (left edge),
// 2 (right edge) or 0 (neither) on its own thread, only when that changes.
class X11EdgeWatch {
  public:
    using Send = std::function<void(int side)>;

    // False when there is no X server with XInput 2. `desktopSpan` 0: the root window's width.
    bool Start(Send send, int desktopSpan = 0);
    void Stop();

  private:
    X11EventThread thread_;
    EdgeWatch watch_;
};

}  // namespace quillon
