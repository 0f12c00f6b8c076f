#pragma once

#include <chrono>
#include <functional>

class QObject;

namespace quillon {

// One-shot timers on the GUI thread. Windows that close themselves take their timers from here,
// so tests can move time by hand instead of waiting.
class GuiTimer {
  public:
    virtual ~GuiTimer() = default;
    // Calls `fire` once on the GUI thread `delay` from now; destroying `owner` first cancels it.
    virtual void After(std::chrono::milliseconds delay, QObject& owner,
                       std::function<void()> fire) = 0;
};

// Real time, through Qt's timers.
GuiTimer& RealGuiTimer();

}  // namespace quillon
