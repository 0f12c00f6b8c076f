#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace quillon {

// Base of a worker thread that calls Step() over and over with a pause after each call.
// The pause waits on a condition variable, so Stop() and Wake() end it at once.
class CThreadBasic {
  public:
    CThreadBasic() = default;
    CThreadBasic(const CThreadBasic&) = delete;
    CThreadBasic& operator=(const CThreadBasic&) = delete;
    // Waits for the thread without limit: a step must never outlive the object.
    virtual ~CThreadBasic();

    // Starts the thread unless it is running (or a stopped step has not ended yet): with
    // `repeat`, Step() and a pause of `intervalMs` in a loop until Stop(); otherwise one Step().
    bool Start(int intervalMs = kDefaultIntervalMs, bool repeat = true);

    // Asks the loop to end and waits at most kStopWaitMs for it. True when the thread ended;
    // false when a long step still runs (it ends on its own, and Finish() waits for it).
    bool Stop();

    bool IsRunning() const;
    // Stop() has been called since the last Start().
    bool StopRequested() const;

    // Ends the pause that follows an idle step (a step that returned false) at once.
    void Wake();

    static constexpr int kDefaultIntervalMs = 30;
    static constexpr int kStopWaitMs = 1000;

  protected:
    // One unit of work. True when it did work (the full interval follows); false when it found
    // nothing to do, so a Wake() may end the following pause early.
    virtual bool Step() = 0;

    // Sleeps `ms` milliseconds, or less when Stop() is called meanwhile (then false).
    virtual bool Pause(int ms);
    // Asked after an idle step: true when nothing can change before the next Wake(), so the loop
    // waits for Wake() or Stop() without waking at every interval.
    virtual bool IdleUntilWoken() { return false; }
    // Stop() was called: a step that waits on something else than Pause() ends that wait here.
    // On the stopping thread.
    virtual void OnStopRequested() {}

    // Stop() and then wait for the thread without limit. A derived class whose Step() uses its
    // own members calls this in its destructor, before those members go away.
    void Finish();

  private:
    void Run(int intervalMs, bool repeat);
    // Waits until the deadline (none when `ms` is negative), Stop(), or (when `wakeable`) Wake().
    bool WaitFor(int ms, bool wakeable);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
    bool running_ = false;
    bool stopRequested_ = false;
    bool ended_ = true;  // the stop event: set when the loop has ended
    bool woken_ = false;
};

}  // namespace quillon
