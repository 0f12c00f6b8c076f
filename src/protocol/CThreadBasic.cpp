#include "protocol/CThreadBasic.h"

#include <chrono>

namespace quillon {

CThreadBasic::~CThreadBasic() {
    Finish();
}

bool CThreadBasic::Start(int intervalMs, bool repeat) {
    std::lock_guard lock(mutex_);
    if (running_ || !ended_) {
        return false;
    }
    if (thread_.joinable()) {
        thread_.join();  // a stopped loop that has ended since
    }
    running_ = true;
    stopRequested_ = false;
    ended_ = false;
    woken_ = false;
    thread_ = std::thread([this, intervalMs, repeat] { Run(intervalMs, repeat); });
    return true;
}

bool CThreadBasic::Stop() {
    std::unique_lock lock(mutex_);
    if (!running_ && ended_) {
        return true;
    }
    running_ = false;
    stopRequested_ = true;
    changed_.notify_all();
    lock.unlock();
    OnStopRequested();
    lock.lock();
    bool ended =
        changed_.wait_for(lock, std::chrono::milliseconds(kStopWaitMs), [this] { return ended_; });
    if (ended && thread_.joinable()) {
        lock.unlock();
        thread_.join();
    }
    return ended;
}

bool CThreadBasic::IsRunning() const {
    std::lock_guard lock(mutex_);
    return running_;
}

bool CThreadBasic::StopRequested() const {
    std::lock_guard lock(mutex_);
    return stopRequested_;
}

void CThreadBasic::Wake() {
    std::lock_guard lock(mutex_);
    woken_ = true;
    changed_.notify_all();
}

bool CThreadBasic::Pause(int ms) {
    return WaitFor(ms, false);
}

void CThreadBasic::Finish() {
    Stop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CThreadBasic::Run(int intervalMs, bool repeat) {
    if (repeat) {
        while (IsRunning()) {
            {
                std::lock_guard lock(mutex_);
                woken_ = false;  // a Wake() during the step counts for the pause after it
            }
            bool worked = Step();
            WaitFor(!worked && IdleUntilWoken() ? -1 : intervalMs, !worked);
        }
    } else {
        Step();
    }
    std::lock_guard lock(mutex_);
    running_ = false;
    ended_ = true;
    changed_.notify_all();
}

bool CThreadBasic::WaitFor(int ms, bool wakeable) {
    std::unique_lock lock(mutex_);
    auto done = [&] { return stopRequested_ || (wakeable && woken_); };
    if (ms < 0) {
        changed_.wait(lock, done);
    } else {
        changed_.wait_for(lock, std::chrono::milliseconds(ms), done);
    }
    return !stopRequested_;
}

}  // namespace quillon
