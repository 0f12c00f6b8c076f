#include "device/DeviceLock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>

#include "emulator/VirtualMouseBackend.h"
#include "platform/Paths.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"

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

// Replies another process's commands left in this handle's queue must not pass for the reply to
// this process's next command; a notification among them still reaches the poll.
TEST(DeviceLockTest, TakingTheMouseDropsForeignRepliesAndKeepsNotifications) {
    test::IsolatedHome home;
    test::TempDir dir;
    test::VirtualMouseRig rig;
    rig.backend.SetStateFile(dir.file("mouse.state"));
    rig.Refresh();
    rig.mouse.InjectInputReport({0xAA, 0x0E, 0x00, 0x01});                  // a foreign reply
    rig.mouse.InjectInputReport({0xAA, 0xFA, 0, 0, 0, 0, 0, 0, 0xD0, 42});  // battery 42 %
    ASSERT_TRUE(rig.manager.LockTransfers(milliseconds(0)));
    CommandFrame frame(0x03, 0x00);  // the firmware version query
    ASSERT_TRUE(rig.manager.SendCommand(frame));
    EXPECT_TRUE(frame.IsReplyTo(0x03)) << "the reply to this command, not the stale one";
    std::vector<std::uint8_t> held;
    ASSERT_TRUE(rig.manager.TakeHeldNotification(held));
    EXPECT_EQ(held[8], 0xD0);
    rig.manager.UnlockTransfers();
    DeviceLock other(
        VirtualMouseBackend::LockKeyOf(dir.file("mouse.state"), rig.mouse.CommandPath(0)));
    EXPECT_TRUE(other.Acquire(milliseconds(0))) << "released";
}

}  // namespace
}  // namespace quillon
