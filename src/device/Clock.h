#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace quillon {

// Time as the device layer sees it. The protocol's waits go through here so that tests can run
// the retry paths without waiting seconds, while the program uses real sleeps.
class Clock {
  public:
    using Duration = std::chrono::microseconds;

    virtual ~Clock() = default;

    // Time since an arbitrary fixed start.
    virtual Duration Now() = 0;
    virtual void Sleep(Duration duration) = 0;
    // Waits on `condition` (with `lock` held) until `ready` holds or `timeout` has passed;
    // returns ready().
    virtual bool WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& condition,
                         Duration timeout, const std::function<bool()>& ready) = 0;

    void SleepMs(int milliseconds) { Sleep(std::chrono::milliseconds(milliseconds)); }
};

// Real time: the steady clock and real sleeps.
class SystemClock : public Clock {
  public:
    Duration Now() override;
    void Sleep(Duration duration) override;
    bool WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& condition,
                 Duration timeout, const std::function<bool()>& ready) override;
};

// The process-wide real clock.
Clock& RealClock();

}  // namespace quillon
