#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace quillon {

// SIGINT, SIGTERM and SIGHUP (Ctrl+C in the terminal of `make run`, a logout) end the run the
// normal way instead of killing the process, so the worker stops and the virtual mouse keeps its
// state. `onSignal` runs on the GUI thread. One object per process.
class QuitOnSignals {
  public:
    explicit QuitOnSignals(std::function<void()> onSignal);
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

  private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quillon
