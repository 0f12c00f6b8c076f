#pragma once

#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>
#include <vector>

#include "ui/GuiTimer.h"

namespace quillon::test {

// GUI timers on a clock that moves only when the test says so: Advance fires, in order of their
// time, the timers that fall due, so tests of windows that close themselves never sleep.
class ManualGuiTimer : public GuiTimer {
  public:
    void After(std::chrono::milliseconds delay, QObject& owner,
               std::function<void()> fire) override {
        pending_.push_back({now_ + delay, QPointer<QObject>(&owner), std::move(fire)});
    }

    // Moves the clock on by `step`, firing each timer when its time is reached.
    void Advance(std::chrono::milliseconds step) {
        std::chrono::milliseconds until = now_ + step;
        for (;;) {
            auto next = pending_.end();
            for (auto it = pending_.begin(); it != pending_.end(); ++it) {
                if (it->due <= until && (next == pending_.end() || it->due < next->due)) {
                    next = it;
                }
            }
            if (next == pending_.end()) {
                break;
            }
            Timer due = std::move(*next);
            pending_.erase(next);
            now_ = due.due;
            if (!due.owner.isNull()) {
                due.fire();
            }
        }
        now_ = until;
    }

    std::chrono::milliseconds Now() const { return now_; }

  private:
    struct Timer {
        std::chrono::milliseconds due;
        QPointer<QObject> owner;
        std::function<void()> fire;
    };
    std::chrono::milliseconds now_{0};
    std::vector<Timer> pending_;
};

}  // namespace quillon::test
