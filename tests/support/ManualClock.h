#pragma once

#include <chrono>
#include <mutex>
#include <vector>

#include "device/Clock.h"

namespace quillon::test {

// A clock that only moves when something waits on it: sleeps and time-outs pass at once and are
// added to the time, so tests can check the protocol's waits without waiting.
class ManualClock : public Clock {
  public:
    Duration Now() override {
        std::lock_guard lock(mutex_);
        return now_;
    }

    void Sleep(Duration duration) override {
        std::lock_guard lock(mutex_);
        sleeps_.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(duration));
        now_ += duration;
    }

    bool WaitFor(std::unique_lock<std::mutex>& /*lock*/, std::condition_variable& /*condition*/,
                 Duration timeout, const std::function<bool()>& ready) override {
        if (ready()) {
            return true;
        }
        Advance(timeout);
        return ready();
    }

    void Advance(Duration duration) {
        std::lock_guard lock(mutex_);
        now_ += duration;
    }

    // Every Sleep, in milliseconds, in order (time-outs of reads are not sleeps).
    std::vector<std::chrono::milliseconds> Sleeps() {
        std::lock_guard lock(mutex_);
        return sleeps_;
    }

    std::chrono::milliseconds Elapsed() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Now());
    }

  private:
    std::mutex mutex_;
    Duration now_{};
    std::vector<std::chrono::milliseconds> sleeps_;
};

}  // namespace quillon::test
