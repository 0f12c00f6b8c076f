#include "device/DeviceLock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>

#include "platform/Paths.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using std::chrono::milliseconds;

TEST(DeviceLockTest, OneHolderAtATimeAndTheOthersLearnWho) {
    test::IsolatedHome home;
    DeviceLock first("/dev/hidraw3");
    DeviceLock second("/dev/hidraw3");
    DeviceLock other("/dev/hidraw4");
    ASSERT_TRUE(first.Acquire(milliseconds(0)));
    EXPECT_FALSE(second.Acquire(milliseconds(30)));
    EXPECT_EQ(second.Holder(), "process " + std::to_string(getpid()) + " (device_tests)");
    EXPECT_TRUE(other.Acquire(milliseconds(0))) << "another device is free";
    first.Release();
    EXPECT_TRUE(second.Acquire(milliseconds(0)));
    EXPECT_EQ(DeviceLock::FileOf("/dev/hidraw3"),
              RuntimeFolder() + "quillon-device-_dev_hidraw3.lock");
}

TEST(DeviceLockTest, AnotherProcessHoldsItUntilItEnds) {
    test::IsolatedHome home;
    test::ChildProcess holder({DEVICE_LOCK_PROBE, "/dev/hidraw5"});
    ASSERT_EQ(holder.ReadLine(std::chrono::seconds(5)), "held");
    DeviceLock lock("/dev/hidraw5");
    EXPECT_FALSE(lock.Acquire(milliseconds(50)));
    EXPECT_NE(lock.Holder().find("(device_lock_pro"), std::string::npos) << lock.Holder();
    holder.Kill();  // a crash lets go of the lock too
    EXPECT_TRUE(lock.Acquire(milliseconds(1000)));
}

}  // namespace
}  // namespace quillon
