#include "protocol/NotificationPoll.h"

#include <gtest/gtest.h>

#include <chrono>

#include "protocol/CommandRig.h"
#include "protocol/DeviceTask.h"

namespace quillon {
namespace {

using std::chrono::milliseconds;
using test::CommandRig;
using Posted = test::RecordingHost::Posted;

class NotificationPollTest : public ::testing::Test {
  protected:
    // One poll, a gap long enough for the next one to read again.
    void Poll() {
        rig.Poll();
        rig.devices.clock.Advance(milliseconds(NotificationPoll::kMinGapMs));
    }

    CommandRig rig;
};

TEST_F(NotificationPollTest, StageReportStoresStageAndRateAndPostsTheIndicator) {
    rig.Mouse().SendNotification(0x10, 4, 1);
    Poll();
    EXPECT_EQ(rig.Values().Get("dpi_index"), 3);
    EXPECT_EQ(rig.Values().Get("report_rate"), 1);
    EXPECT_EQ(rig.host.Stage(), (std::pair{4, 2400}));
    EXPECT_EQ(rig.host.Rate(), 1);
    EXPECT_EQ(rig.host.PostedMessages(),
              (std::vector<Posted>{{MSG_DPI_CHANGED, 0, 2400 << 16 | 4}}));

    // The same stage again: no indicator, but the rate still follows.
    rig.Mouse().SendNotification(0x10, 4, 3);
    Poll();
    EXPECT_EQ(rig.host.PostedMessages().size(), 1u);
    EXPECT_EQ(rig.Values().Get("report_rate"), 3);
    EXPECT_EQ(rig.host.Rate(), 3);
}

TEST_F(NotificationPollTest, TheIndicatorMessageCarriesDpiAboveThe16BitSignBit) {
    rig.Values().Set("dpi_group4_value", 40000);  // a hand-edited database
    rig.Mouse().SendNotification(0x10, 5, 4);
    Poll();
    EXPECT_EQ(rig.host.PostedMessages().back().lParam, std::intptr_t{40000} << 16 | 5);
}

TEST_F(NotificationPollTest, StagesOutsideOneToSixAreClamped) {
    for (auto [wire, stage] : {std::pair{9, 6}, {0, 1}}) {
        rig.Mouse().SendNotification(0x10, static_cast<std::uint8_t>(wire), 4);
        Poll();
        EXPECT_EQ(rig.Values().Get("dpi_index"), stage - 1) << wire;
        EXPECT_EQ(rig.host.Stage().first, stage) << wire;
    }
}

TEST_F(NotificationPollTest, TheMousesOwnDpiButtonReachesStoreAndWindow) {
    rig.Mouse().PressDpiButton();
    Poll();
    ASSERT_EQ(rig.host.PostedMessages().size(), 1u);
    int stage = rig.Mouse().CurrentStage();
    EXPECT_EQ(rig.Values().Get("dpi_index"), stage - 1);
    EXPECT_EQ(rig.host.Stage().first, stage);
}

TEST_F(NotificationPollTest, ValueByte0xFFQueuesTheCurrentStageWrite) {
    rig.Mouse().SendNotification(0xD0, 0xFF, 0);
    Poll();
    int id = 0;
    ASSERT_TRUE(rig.queue.TryTake(id));
    EXPECT_EQ(id, static_cast<int>(DeviceTask::WriteCurrentDpi));
    EXPECT_EQ(rig.host.Battery(), (std::pair{-1, -1}));
}

TEST_F(NotificationPollTest, BatteryLightModeAndEmoji) {
    rig.Mouse().SendNotification(0xD0, 150, 1);
    Poll();
    EXPECT_EQ(rig.host.Battery(), (std::pair{100, 1}));

    rig.Mouse().SendNotification(0x11, 9, 0);
    Poll();
    EXPECT_EQ(rig.Values().Get("light_mode"), 6);
    EXPECT_EQ(rig.host.LightMode(), 6);

    for (int index : {64, 0, 110}) {
        rig.Mouse().PressEmojiButton(static_cast<std::uint8_t>(index), 0x60);
        Poll();
    }
    EXPECT_EQ(rig.typer.Typed(), U"[Emm]");
}

TEST_F(NotificationPollTest, PollsAtMostEveryTwoHundredMilliseconds) {
    rig.Poll();  // a silent mouse: waits out the read
    rig.Mouse().SendNotification(0x11, 2, 0);
    rig.Poll();  // the read's time-out counts towards the gap
    EXPECT_EQ(rig.host.LightMode(), 2);

    rig.Mouse().SendNotification(0x11, 3, 0);
    rig.Poll();  // no time has passed: no read
    EXPECT_EQ(rig.host.LightMode(), 2);
    rig.devices.clock.Advance(milliseconds(199));
    rig.Poll();
    EXPECT_EQ(rig.host.LightMode(), 2);
    rig.devices.clock.Advance(milliseconds(1));
    rig.Poll();
    EXPECT_EQ(rig.host.LightMode(), 3);
}

TEST_F(NotificationPollTest, ASilentReadGivesWayToAQueuedTask) {
    milliseconds before = rig.devices.clock.Elapsed();
    rig.Poll();
    EXPECT_EQ(rig.devices.clock.Elapsed() - before, milliseconds(NotificationPoll::kReadTimeoutMs));

    rig.devices.clock.Advance(milliseconds(NotificationPoll::kMinGapMs));
    rig.queue.Enqueue(DeviceTask::ApplyToDevice);
    before = rig.devices.clock.Elapsed();
    rig.Poll();
    EXPECT_LE(rig.devices.clock.Elapsed() - before, milliseconds(NotificationPoll::kReadSliceMs));
}

TEST_F(NotificationPollTest, ForeignAndMarkedReportsChangeNothing) {
    rig.Mouse().InjectInputReport({0xAA, 0xFA, 0x38, 0x38, 0, 0, 0, 0, 0x10, 5, 1});
    Poll();
    rig.Mouse().InjectInputReport({0xAA, 0xFB, 0, 0, 0, 0, 0, 0, 0x10, 5, 1});
    Poll();
    EXPECT_EQ(rig.Values().Get("dpi_index"), 2);
    EXPECT_TRUE(rig.host.PostedMessages().empty());
}

}  // namespace
}  // namespace quillon
