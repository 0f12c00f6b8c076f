#include "device/Clock.h"

#include <thread>

namespace quillon {

Clock::Duration SystemClock::Now() {
    return std::chrono::duration_cast<Duration>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void SystemClock::Sleep(Duration duration) {
    if (duration.count() > 0) {
        std::this_thread::sleep_for(duration);
    }
}

bool SystemClock::WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& condition,
                          Duration timeout, const std::function<bool()>& ready) {
    return condition.wait_for(lock, timeout, ready);
}

Clock& RealClock() {
    static SystemClock clock;
    return clock;
}

}  // namespace quillon
