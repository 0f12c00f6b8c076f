#include <gtest/gtest.h>

#include "EmulatorRig.h"
#include "device/Channel.h"

namespace quillon {
namespace {

using std::chrono::milliseconds;

// One notification as the host's poll reads it: 21 bytes, or nothing within the time-out.
std::vector<std::uint8_t> Poll(HidDevice& device) {
    std::vector<std::uint8_t> report(21);
    int count = device.Read(report.data(), report.size(), 0);
    report.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    return report;
}

std::vector<std::uint8_t> Notice(std::uint8_t type, std::uint8_t first, std::uint8_t second) {
    std::vector<std::uint8_t> report(21, 0);
    report[0] = 0xAA;
    report[1] = 0xFA;
    report[8] = type;
    report[9] = first;
    report[10] = second;
    return report;
}

TEST(VirtualMouse, UserActionsSendTheirNotifications) {
    EmulatorRig rig;
    rig.mouse.PressDpiButton();
    EXPECT_EQ(Poll(*rig.device), Notice(0x10, 2, 4));
    EXPECT_EQ(rig.mouse.CurrentStage(), 2);
    for (int i = 0; i < 4; ++i) {
        rig.mouse.PressDpiButton();
        Poll(*rig.device);
    }
    rig.mouse.PressDpiButton();
    EXPECT_EQ(Poll(*rig.device), Notice(0x10, 1, 4)) << "wraps after the sixth stage";

    VirtualPerformance three = rig.mouse.Performance(0);
    three.stageCount = 3;
    three.stage = 3;
    rig.mouse.SetPerformance(0, three);
    rig.mouse.PressDpiButton();
    EXPECT_EQ(Poll(*rig.device), Notice(0x10, 1, 4)) << "only the enabled stages";

    VirtualPerformance light = rig.mouse.Performance(0);
    light.lightMode = 6;
    rig.mouse.SetPerformance(0, light);
    rig.mouse.PressLightButton();
    EXPECT_EQ(Poll(*rig.device), Notice(0x11, 0, 0));
    EXPECT_EQ(rig.mouse.LightMode(), 0);

    rig.mouse.SetBattery(150, 1);
    EXPECT_EQ(Poll(*rig.device), Notice(0xD0, 150, 1));
    EXPECT_EQ(rig.mouse.BatteryLevel(), 150);
    rig.mouse.PressEmojiButton(3, 0x60);
    EXPECT_EQ(Poll(*rig.device), Notice(0x60, 3, 0));
    rig.mouse.SendNotification(0x10, 0xFF, 2);
    EXPECT_EQ(Poll(*rig.device), Notice(0x10, 0xFF, 2));
    EXPECT_TRUE(Poll(*rig.device).empty());
}

TEST(VirtualMouse, NotificationsTravelOverTheLinkInUse) {
    test::ManualClock clock;
    VirtualMouse mouse(clock);
    const int wired = mouse.Connect({VirtualLink::Wired});
    const int receiver = mouse.Connect({VirtualLink::Receiver});
    VirtualMouseBackend backend(mouse);
    auto cable = backend.Open(mouse.CommandPath(wired));
    auto dongle = backend.Open(mouse.CommandPath(receiver));
    ASSERT_TRUE(cable && dongle);

    mouse.PressDpiButton();
    EXPECT_FALSE(Poll(*cable).empty());
    EXPECT_TRUE(Poll(*dongle).empty());

    mouse.Unplug(wired);
    mouse.PressDpiButton();
    EXPECT_FALSE(Poll(*dongle).empty()) << "the receiver carries them without the cable";

    mouse.SetMouseOnline(receiver, false);
    mouse.PressDpiButton();
    EXPECT_TRUE(Poll(*dongle).empty()) << "a sleeping mouse sends nothing";
}

TEST(VirtualMouse, ReceiverAnswersItsQueryButRelaysCommandsOnlyToAnOnlineMouse) {
    test::ManualClock clock;
    VirtualMouse mouse(clock);
    const int receiver = mouse.Connect({VirtualLink::Receiver, false});
    VirtualMouseBackend backend(mouse);
    auto dongle = backend.Open(mouse.CommandPath(receiver));
    ASSERT_TRUE(dongle);

    Block64 block = ReceiverStatusRequest();
    ASSERT_TRUE(TransferBlockOn(*dongle, block, clock));
    EXPECT_EQ(block[2], 0x8C);
    EXPECT_EQ(block[4] & 0x08, 0);
    EXPECT_EQ(block.Checksum(), block[63]) << "the answer sums to 0xA1 too";

    CommandFrame battery(0x30, 0xA5);
    battery[5] = 0x2E;
    EXPECT_FALSE(SendCommandOn(*dongle, battery, clock));
    mouse.SetMouseOnline(receiver, true);
    EXPECT_TRUE(SendCommandOn(*dongle, battery, clock));
    block = ReceiverStatusRequest();
    ASSERT_TRUE(TransferBlockOn(*dongle, block, clock));
    EXPECT_EQ(block[4] & 0x08, 0x08);
}

TEST(VirtualMouse, ReplyLatencyIsSpentOnTheClock) {
    EmulatorRig rig;
    rig.mouse.SetReplyLatency(milliseconds(2));
    CommandFrame battery(0x30, 0xA5);
    battery[5] = 0x2E;
    const milliseconds start = rig.clock.Elapsed();
    ASSERT_TRUE(SendCommandOn(*rig.device, battery, rig.clock));
    EXPECT_EQ(rig.clock.Elapsed() - start, milliseconds(2));
}

TEST(VirtualMouse, EachHandleQueuesAtMostSixtyFourReports) {
    EmulatorRig rig;
    for (int i = 0; i < 70; ++i) {
        rig.mouse.SendNotification(0xD0, static_cast<std::uint8_t>(i), 0);
    }
    int count = 0;
    while (!Poll(*rig.device).empty()) {
        ++count;
    }
    EXPECT_EQ(count, 64);
}

TEST(VirtualMouse, KeepsHidrawConventionsForWritesAndReads) {
    EmulatorRig rig;
    std::uint8_t numbered[65] = {0x05, 0x55};
    EXPECT_EQ(rig.device->Write(numbered, sizeof numbered), -1) << "no numbered reports";
    std::uint8_t tooLong[66] = {};
    EXPECT_EQ(rig.device->Write(tooLong, sizeof tooLong), -1);
    EXPECT_FALSE(rig.device->ErrorText().empty());

    // A short write is padded with zeros, as the report length asks.
    CommandFrame version(0x03, 0x00);
    EXPECT_EQ(rig.device->Write(version.data(), 9), 9);
    std::uint8_t reply[64];
    EXPECT_EQ(rig.device->Read(reply, sizeof reply, 0), 64);
    EXPECT_EQ(reply[1], 0x03);

    rig.mouse.OversizeReplies(1);
    rig.device->Write(version.data(), CommandFrame::kSize);
    std::uint8_t longer[80];
    EXPECT_EQ(rig.device->Read(longer, sizeof longer, 0), 65);
    EXPECT_EQ(longer[0], 0x01) << "numbered report: the id comes first";
    EXPECT_EQ(longer[1], 0xAA);
}

TEST(VirtualMouse, OpeningFailsForGoneOrForbiddenNodes) {
    EmulatorRig rig;
    HidOpenError error = HidOpenError::None;
    EXPECT_FALSE(rig.backend.Open("/dev/hidraw0", &error));
    EXPECT_EQ(error, HidOpenError::NotFound);
    rig.mouse.DenyAccess(true);
    EXPECT_FALSE(rig.backend.Open(rig.mouse.CommandPath(0), &error));
    EXPECT_EQ(error, HidOpenError::PermissionDenied);
    rig.mouse.DenyAccess(false);
    rig.mouse.Unplug(0);
    EXPECT_FALSE(rig.backend.Open(rig.mouse.CommandPath(0), &error));
    EXPECT_EQ(error, HidOpenError::NotFound);
    EXPECT_TRUE(rig.backend.Enumerate().empty());
    rig.mouse.Plug(0);
    EXPECT_TRUE(rig.backend.Open(rig.mouse.CommandPath(0), &error));
    EXPECT_EQ(error, HidOpenError::None);
}

TEST(VirtualMouse, FeatureReportsCarryTheVersionText) {
    EmulatorRig rig;
    std::uint8_t report[21] = {0x51, 0x04};
    EXPECT_EQ(rig.device->SendFeatureReport(report, sizeof report), 21);
    std::uint8_t reply[21] = {0x51};
    ASSERT_EQ(rig.device->GetFeatureReport(reply, sizeof reply), 21);
    EXPECT_EQ(reply[2], 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reply + 3), 5), "1.0.4");
    std::uint8_t other[21] = {0x52};
    EXPECT_EQ(rig.device->GetFeatureReport(other, sizeof other), -1);
    const auto requests = rig.mouse.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].kind, VirtualRequest::Kind::SetFeature);
    EXPECT_EQ(requests[1].kind, VirtualRequest::Kind::GetFeature);
}

}  // namespace
}  // namespace quillon
