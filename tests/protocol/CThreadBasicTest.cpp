#include "protocol/CThreadBasic.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace quillon {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

class CountingThread : public CThreadBasic {
  public:
    ~CountingThread() override { Finish(); }
    std::atomic<int> steps = 0;
    std::atomic<int> stepMs = 0;  // how long each step blocks
    // Set when a step has returned; outlives the object.
    std::shared_ptr<std::atomic<bool>> stepEnded = std::make_shared<std::atomic<bool>>(false);

  protected:
    bool Step() override {
        ++steps;
        std::this_thread::sleep_for(milliseconds(stepMs.load()));
        *stepEnded = true;
        return true;
    }
};

TEST(CThreadBasicTest, RepeatsUntilStoppedAndStopsPromptlyDuringAPause) {
    CountingThread thread;
    ASSERT_TRUE(thread.Start(3600 * 1000));
    EXPECT_FALSE(thread.Start());  // already running
    while (thread.steps == 0) {
        std::this_thread::yield();
    }
    Clock::time_point before = Clock::now();
    EXPECT_TRUE(thread.Stop());
    EXPECT_LT(Clock::now() - before, milliseconds(500));  // the hour-long pause did not hold it
    EXPECT_EQ(thread.steps, 1);
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_TRUE(thread.Start(5));  // can run again once stopped
    EXPECT_TRUE(thread.Stop());
}

TEST(CThreadBasicTest, WithoutRepeatStepsOnce) {
    CountingThread thread;
    ASSERT_TRUE(thread.Start(1, false));
    while (thread.IsRunning()) {
        std::this_thread::yield();
    }
    EXPECT_TRUE(thread.Stop());
    EXPECT_EQ(thread.steps, 1);
}

TEST(CThreadBasicTest, StopGivesUpAfterOneSecondWhileALongStepRunsAndTheObjectStillWaits) {
    auto thread = std::make_unique<CountingThread>();
    thread->stepMs = 2500;
    ASSERT_TRUE(thread->Start());
    while (thread->steps == 0) {
        std::this_thread::yield();
    }
    Clock::time_point before = Clock::now();
    EXPECT_FALSE(thread->Stop());
    Clock::duration waited = Clock::now() - before;
    EXPECT_GE(waited, milliseconds(CThreadBasic::kStopWaitMs - 50));
    EXPECT_LT(waited, milliseconds(2000));
    EXPECT_FALSE(thread->Start());  // the old step has not ended yet
    const std::shared_ptr<std::atomic<bool>> stepEnded = thread->stepEnded;
    EXPECT_FALSE(*stepEnded);
    thread.reset();  // waits for the step instead of running it on a dead object
    EXPECT_TRUE(*stepEnded) << "the object was destroyed while its step still ran";
    EXPECT_GE(Clock::now() - before, milliseconds(2400));
}

}  // namespace
}  // namespace quillon
