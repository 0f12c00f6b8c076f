#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "device/Channel.h"
#include "support/VirtualMouseRig.h"

namespace quillon {
namespace {

using std::chrono::milliseconds;
using test::Bluetooth;
using test::Receiver;
using test::VirtualMouseRig;
using test::Wired;

CommandFrame BatteryRequest() {
    CommandFrame frame(0x30, 0xA5);
    frame[5] = 0x2E;
    return frame;
}

TEST(SendCommand, ReadsTheReplyIntoTheFrame) {
    VirtualMouseRig rig{Wired()};
    rig.Refresh();
    VirtualFirmwareState state = rig.mouse.State();
    state.batteryLevel = 57;
    state.chargeState = 1;
    rig.mouse.SetState(state);
    rig.mouse.ClearRequests();

    CommandFrame frame = BatteryRequest();
    frame[64] = 0x42;
    ASSERT_TRUE(rig.manager.SendCommand(frame));
    EXPECT_TRUE(frame.IsReplyTo(0x30));
    EXPECT_EQ(frame[8], 57);
    EXPECT_EQ(frame[9], 1);
    EXPECT_EQ(frame[64], 0x42) << "offset 64 is not part of a reply";
    ASSERT_EQ(rig.mouse.WriteCount(), 1);
    EXPECT_EQ(rig.mouse.Requests()[0].bytes[4], 0x2E + 0x42) << "checksum filled in";
}

TEST(SendCommand, RetriesWithTheProtocolWaitsAndGivesUp) {
    struct Case {
        const char* name;
        int failedWrites;
        int droppedReplies;
        int corruptReplies;
        bool result;
        int writeAttempts;
        std::vector<milliseconds> sleeps;
        milliseconds elapsed;
    };
    const Case cases[] = {
        {"silent mouse",
         0,
         9,
         0,
         false,
         3,
         {milliseconds(100), milliseconds(1000)},
         milliseconds(1000 + 100 + 1000 + 1000 + 1000)},
        {"first write fails, then silence",
         1,
         9,
         0,
         false,
         4,
         {milliseconds(10), milliseconds(100), milliseconds(1000)},
         milliseconds(10 + 1000 + 100 + 1000 + 1000 + 1000)},
        {"both first writes fail", 2, 0, 0, false, 2, {milliseconds(10)}, milliseconds(10)},
        {"one lost reply", 0, 1, 0, true, 2, {milliseconds(100)}, milliseconds(1000 + 100)},
        {"two lost replies",
         0,
         2,
         0,
         true,
         3,
         {milliseconds(100), milliseconds(1000)},
         milliseconds(1000 + 100 + 1000 + 1000)},
        {"wrong reply marker is resent at once",
         0,
         0,
         1,
         true,
         2,
         {milliseconds(100)},
         milliseconds(100)},
        {"three wrong markers",
         0,
         0,
         3,
         false,
         3,
         {milliseconds(100), milliseconds(1000)},
         milliseconds(1100)},
    };
    for (const Case& c : cases) {
        VirtualMouseRig rig{Wired()};
        rig.Refresh();
        rig.mouse.ClearRequests();
        rig.mouse.FailWrites(c.failedWrites);
        rig.mouse.DropReplies(c.droppedReplies);
        rig.mouse.CorruptReplies(c.corruptReplies);
        const milliseconds start = rig.clock.Elapsed();

        CommandFrame frame = BatteryRequest();
        EXPECT_EQ(rig.manager.SendCommand(frame), c.result) << c.name;
        EXPECT_EQ(rig.mouse.WriteAttempts(), c.writeAttempts) << c.name;
        EXPECT_EQ(rig.clock.Sleeps(), c.sleeps) << c.name;
        EXPECT_EQ(rig.clock.Elapsed() - start, c.elapsed) << c.name;
        for (const VirtualRequest& request : rig.mouse.Requests()) {
            EXPECT_EQ(request.bytes, rig.mouse.Requests()[0].bytes) << c.name;
            EXPECT_EQ(request.bytes.size(), 65u) << c.name;
        }
    }
}

TEST(SendCommand, ResendsTheKeptRequestNotTheBadReply) {
    VirtualMouseRig rig{Wired()};
    rig.Refresh();
    rig.mouse.ClearRequests();
    rig.mouse.CorruptReplies(1);
    CommandFrame frame = BatteryRequest();
    ASSERT_TRUE(rig.manager.SendCommand(frame));
    const auto requests = rig.mouse.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].bytes, requests[1].bytes);
    EXPECT_EQ(requests[1].bytes[1], 0x55);
}

TEST(SendCommand, ANotificationWaitingInTheQueueIsNotTakenForTheReply) {
    VirtualMouseRig rig{Wired()};
    rig.Refresh();
    rig.mouse.PressDpiButton();
    CommandFrame frame = BatteryRequest();
    ASSERT_TRUE(rig.manager.SendCommand(frame));
    EXPECT_TRUE(frame.IsReplyTo(0x30));
    EXPECT_EQ(frame[8], rig.mouse.BatteryLevel());
}

TEST(SendCommand, FailsAtOnceWithoutAnActiveInterface) {
    for (const auto& links : {std::vector<VirtualInterfaceConfig>{Bluetooth()},
                              std::vector<VirtualInterfaceConfig>{Receiver(false)},
                              std::vector<VirtualInterfaceConfig>{}}) {
        VirtualMouseRig rig(links);
        rig.Refresh();
        rig.mouse.ClearRequests();
        const milliseconds start = rig.clock.Elapsed();
        CommandFrame frame = BatteryRequest();
        EXPECT_FALSE(rig.manager.SendCommand(frame));
        EXPECT_EQ(rig.mouse.WriteAttempts(), 0);
        EXPECT_EQ(rig.clock.Elapsed(), start);
    }
}

TEST(TransferBlockOn, DrainsAStaleReportAndKeepsTheRealAnswer) {
    VirtualMouseRig rig{Receiver()};
    rig.Refresh();
    auto device = rig.backend.Open(rig.mouse.CommandPath(0));
    ASSERT_TRUE(device);
    // A stale report that looks like an "offline" status answer.
    std::vector<std::uint8_t> stale(64, 0);
    stale[2] = 0x8C;
    rig.mouse.InjectInputReport(stale);
    const milliseconds start = rig.clock.Elapsed();

    Block64 block = ReceiverStatusRequest();
    ASSERT_TRUE(TransferBlockOn(*device, block, rig.clock));
    EXPECT_EQ(block[2], 0x8C);
    EXPECT_EQ(block[4], 0x08) << "the mouse is online";
    EXPECT_EQ(rig.clock.Elapsed() - start, milliseconds(16));
    std::uint8_t rest[65];
    EXPECT_EQ(device->Read(rest, sizeof rest, 0), 0) << "nothing left behind";
}

TEST(TransferBlockOn, FailsOnAnythingButExactlySixtyFourBytes) {
    VirtualMouseRig rig{Receiver()};
    rig.Refresh();
    auto device = rig.backend.Open(rig.mouse.CommandPath(0));
    ASSERT_TRUE(device);

    rig.mouse.OversizeReplies(1);
    Block64 block = ReceiverStatusRequest();
    const Block64 before = block;
    EXPECT_FALSE(TransferBlockOn(*device, block, rig.clock)) << "65-byte numbered report";
    EXPECT_EQ(block.bytes, before.bytes) << "the block is left as it was";

    rig.mouse.DropReplies(1);
    const milliseconds start = rig.clock.Elapsed();
    EXPECT_FALSE(TransferBlockOn(*device, block, rig.clock)) << "no answer";
    EXPECT_EQ(rig.clock.Elapsed() - start, milliseconds(100 + 16 + 200 + 200 + 100));
    EXPECT_EQ(rig.clock.Sleeps().back(), milliseconds(200));
}

TEST(QueryReceiverStatus, SetsTheOnlineFlagOnlyFromAValidAnswer) {
    VirtualMouseRig rig{Wired(), Receiver()};
    rig.Refresh();
    EXPECT_EQ(rig.manager.QueryReceiverStatus(0), 1) << "wired is always online, no I/O";

    rig.mouse.SetMouseOnline(1, false);
    EXPECT_EQ(rig.manager.QueryReceiverStatus(1), 0);
    rig.mouse.SetMouseOnline(1, true);
    rig.mouse.OversizeReplies(2);
    EXPECT_EQ(rig.manager.QueryReceiverStatus(1), 0) << "kept when both answers are unusable";
    rig.mouse.OversizeReplies(1);
    EXPECT_EQ(rig.manager.QueryReceiverStatus(1), 1) << "the second try counts";
    EXPECT_EQ(rig.manager.QueryReceiverStatus(7), 0);
}

TEST(ReadFeatureVersion, GivesTheDevicesTextOrZeroes) {
    VirtualMouseRig rig{Wired()};
    rig.Refresh();
    std::string text;
    ASSERT_TRUE(rig.manager.ReadFeatureVersion(text));
    EXPECT_EQ(text, "1.0.4");

    VirtualFirmwareState state = rig.mouse.State();
    state.featureVersion = std::string("V2\x01\xFFok", 6);
    rig.mouse.SetState(state);
    ASSERT_TRUE(rig.manager.ReadFeatureVersion(text));
    EXPECT_EQ(text, "V2\x01\xC3\xBFok") << "bytes in the system code page become UTF-8";

    state.featureVersion = std::string("1.2\0junk", 8);
    rig.mouse.SetState(state);
    ASSERT_TRUE(rig.manager.ReadFeatureVersion(text));
    EXPECT_EQ(text, "1.2") << "the text ends at a NUL";

    state.featureVersion.clear();
    rig.mouse.SetState(state);
    ASSERT_TRUE(rig.manager.ReadFeatureVersion(text));
    EXPECT_EQ(text, "0.0.0") << "length 0";

    rig.mouse.RejectFeatureReports(true);
    rig.mouse.ClearRequests();
    ASSERT_TRUE(rig.manager.ReadFeatureVersion(text));
    EXPECT_EQ(text, "0.0.0");
    EXPECT_EQ(rig.mouse.Requests().size(), 1u) << "no get after a refused set";
}

TEST(ReadFeatureVersion, IsRefusedWithoutAnActiveInterface) {
    VirtualMouseRig rig{Bluetooth()};
    rig.Refresh();
    std::string text = "x";
    EXPECT_FALSE(rig.manager.ReadFeatureVersion(text));
    EXPECT_EQ(text, "0.0.0");
}

TEST(Unplug, InTheMiddleOfATransferFailsTheCallAndTheNextRefreshSeesIt) {
    VirtualMouseRig rig{Wired(), Receiver()};
    rig.Refresh();
    rig.mouse.UnplugOnRequest(1);
    CommandFrame frame = BatteryRequest();
    EXPECT_FALSE(rig.manager.SendCommand(frame));
    EXPECT_FALSE(rig.Refresh().present);

    rig.mouse.Plug(1);
    rig.Refresh();
    ASSERT_EQ(rig.manager.ConnectionMode(), kReceiverMode);
    rig.mouse.UnplugOnRequest(1);
    EXPECT_EQ(rig.manager.QueryReceiverStatus(0), 1) << "flag kept, no crash";
    EXPECT_FALSE(rig.Refresh().present);
}

TEST(Unplug, FromAnotherThreadEndsAWaitingReadAtOnce) {
    SystemClock clock;
    VirtualMouse mouse(clock);
    mouse.Connect({});
    VirtualMouseBackend backend(mouse);
    auto device = backend.Open(mouse.CommandPath(0));
    ASSERT_TRUE(device);

    std::thread unplug([&] {
        std::this_thread::sleep_for(milliseconds(50));
        mouse.UnplugAll();
    });
    const auto start = std::chrono::steady_clock::now();
    std::uint8_t report[64];
    EXPECT_EQ(device->Read(report, sizeof report, 5000), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(2000));
    unplug.join();
    EXPECT_FALSE(device->ErrorText().empty());
    EXPECT_EQ(device->Write(report, sizeof report), -1);
}

}  // namespace
}  // namespace quillon
