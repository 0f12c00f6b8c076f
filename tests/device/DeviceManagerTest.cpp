#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "support/VirtualMouseRig.h"

namespace quillon {
namespace {

using test::Bluetooth;
using test::Receiver;
using test::VirtualMouseRig;
using test::Wired;

constexpr std::uint16_t kSecondReceiverPid = 0xAE13;

std::vector<int> ModesOf(const std::vector<DeviceEntryInfo>& entries) {
    std::vector<int> modes;
    for (const DeviceEntryInfo& entry : entries) {
        modes.push_back(entry.mode);
    }
    return modes;
}

TEST(DeviceManager, ChoosesTheActiveInterfaceByConnectionPreference) {
    const VirtualInterfaceConfig secondKind{VirtualLink::Receiver, true, 0, kSecondReceiverPid};
    struct Case {
        const char* name;
        std::vector<VirtualInterfaceConfig> links;
        int mode;
        bool present;
        bool connected;
        std::vector<int> entryModes;
    };
    const Case cases[] = {
        {"nothing connected", {}, -1, false, false, {}},
        {"wired alone", {Wired()}, 0, true, true, {0}},
        {"wired and receiver", {Wired(), Receiver()}, 0, true, true, {0, 1}},
        {"receiver before wired in the list", {Receiver(), Wired()}, 0, true, true, {1, 0}},
        {"receiver with its mouse online", {Receiver()}, 1, true, true, {1}},
        {"receiver with its mouse off", {Receiver(false)}, -1, true, false, {1}},
        {"only the first receiver counts",
         {Receiver(false), Receiver(true)},
         -1,
         true,
         false,
         {1, 1}},
        {"a second receiver kind may still be chosen",
         {Receiver(false), secondKind},
         3,
         true,
         true,
         {1, 3}},
        {"Bluetooth only", {Bluetooth()}, 2, true, true, {2}},
        {"Bluetooth before receiver", {Receiver(), Bluetooth()}, 2, true, true, {1, 2}},
    };
    for (const Case& c : cases) {
        VirtualMouseRig rig(c.links);
        std::vector<DeviceModelRecord> modes = rig.mouse.CatalogueModes();
        for (DeviceModelRecord& record : modes) {
            if (record.pid == kSecondReceiverPid) {
                record.mode = kSecondReceiverMode;
            }
        }
        DeviceStatus status = rig.Refresh(modes);
        EXPECT_EQ(status.mode, c.mode) << c.name;
        EXPECT_EQ(rig.manager.ConnectionMode(), c.mode) << c.name;
        EXPECT_EQ(status.present, c.present) << c.name;
        EXPECT_EQ(status.connected, c.connected) << c.name;
        EXPECT_EQ(ModesOf(rig.manager.Entries()), c.entryModes) << c.name;
        EXPECT_EQ(rig.manager.ActiveInterface() != nullptr, c.mode != -1 && c.mode != 2) << c.name;
    }
}

TEST(DeviceManager, EntriesCarryEnumerationAndAcceptListFacts) {
    VirtualMouseRig rig{Wired(), Receiver(false), Bluetooth()};
    rig.Refresh();
    const std::vector<DeviceEntryInfo> entries = rig.manager.Entries();
    // Each command node is listed once, though enumeration shows it once per collection; the
    // boot mouse nodes are not listed at all.
    ASSERT_EQ(entries.size(), 3u);

    EXPECT_EQ(entries[0].index, 0);
    EXPECT_EQ(entries[0].vendorId, 0x1915);
    EXPECT_EQ(entries[0].productId, 0xAE1C);
    EXPECT_EQ(entries[0].path, rig.mouse.CommandPath(0));
    EXPECT_EQ(entries[0].manufacturer, "Quillon");
    EXPECT_EQ(entries[0].product, "Quillon Q1 (virtual)");
    EXPECT_EQ(entries[0].releaseNumber, 0x0104);
    EXPECT_EQ(entries[0].deviceType, 101);
    EXPECT_EQ(entries[0].online, 1);

    EXPECT_EQ(entries[1].index, 1);
    EXPECT_EQ(entries[1].productId, 0xAE11);
    EXPECT_EQ(entries[1].online, 0) << "set by the receiver status query";

    EXPECT_EQ(entries[2].mode, kBluetoothMode);
    EXPECT_TRUE(entries[2].manufacturer.empty());
    EXPECT_TRUE(entries[2].product.empty());
    EXPECT_EQ(entries[2].online, 1);

    EXPECT_EQ(rig.manager.Find(0x1915, 0xAE11, 1), 1);
    EXPECT_EQ(rig.manager.Find(0x1915, 0xAE11, 0), -1);
    EXPECT_EQ(rig.manager.FindPath(rig.mouse.CommandPath(0)), 0);
    EXPECT_EQ(rig.manager.FindPath("/dev/hidraw99"), -1);
}

TEST(DeviceManager, AcceptListTakesOnlyTheServedFamilyAndTheFirstRowOfAPair) {
    VirtualMouseRig rig{Wired()};
    std::vector<DeviceModelRecord> modes = rig.mouse.CatalogueModes();
    modes[0].deviceType = 102;
    DeviceStatus status = rig.Refresh(modes);
    EXPECT_FALSE(status.present);
    EXPECT_TRUE(rig.manager.Entries().empty());
    EXPECT_TRUE(rig.manager.FamilyModes().empty());
    EXPECT_FALSE(rig.manager.IsSupported(0x1915, 0xAE1C));

    rig.manager.ClearAcceptList();
    rig.manager.AddSupported(0x1915, 0xAE1C, 101, 0);
    rig.manager.AddSupported(0x1915, 0xAE1C, 101, 3);
    EXPECT_TRUE(rig.manager.IsSupported(0x1915, 0xAE1C));
    EXPECT_EQ(rig.manager.SupportedMode(0x1915, 0xAE1C), 0);
    EXPECT_EQ(rig.manager.SupportedDeviceType(0x1915, 0xAE1C), 101);
    EXPECT_EQ(rig.manager.SupportedMode(0x1915, 0x0001), 0);
    EXPECT_EQ(rig.manager.SupportedDeviceType(0x1915, 0x0001), 0);
}

struct RecordingObserver : DeviceStateObserver {
    std::vector<std::string> calls;
    void ResetBattery() override { calls.push_back("battery"); }
    void ClearMessage() override { calls.push_back("clear"); }
    void ShowConnectionState(ConnectionState state) override {
        static const char* names[] = {"no device", "not answering", "wired", "receiver",
                                      "bluetooth"};
        calls.push_back(names[static_cast<int>(state)]);
    }
    void ShowBluetoothNotice() override { calls.push_back("notice"); }
};

TEST(DeviceManager, RefreshShowsOneStateRowAfterResettingBatteryAndMessage) {
    struct Case {
        std::vector<VirtualInterfaceConfig> links;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {{}, {"battery", "clear", "no device"}},
        {{Receiver(false)}, {"battery", "clear", "not answering"}},
        {{Wired()}, {"battery", "clear", "wired"}},
        {{Receiver()}, {"battery", "clear", "receiver"}},
        {{Bluetooth()}, {"battery", "clear", "bluetooth", "notice"}},
    };
    for (const Case& c : cases) {
        VirtualMouseRig rig(c.links);
        RecordingObserver observer;
        RefreshDevices(rig.manager, rig.mouse.CatalogueModes(), observer);
        EXPECT_EQ(observer.calls, c.calls);
    }
}

TEST(DeviceManager, UnplugAndReplugAreSeenByTheNextRefresh) {
    VirtualMouseRig rig{Wired(), Receiver()};
    EXPECT_EQ(rig.Refresh().mode, kWiredMode);
    rig.mouse.Unplug(0);
    EXPECT_EQ(rig.Refresh().mode, kReceiverMode) << "the receiver takes over";
    rig.mouse.SetMouseOnline(1, false);
    DeviceStatus asleep = rig.Refresh();
    EXPECT_EQ(asleep.mode, kNoConnection);
    EXPECT_TRUE(asleep.present);
    rig.mouse.Unplug(1);
    EXPECT_FALSE(rig.Refresh().present);
    rig.mouse.Plug(0);
    EXPECT_EQ(rig.Refresh().mode, kWiredMode);
}

TEST(DeviceManager, CloseAllMakesEveryTransferFailWithoutIo) {
    VirtualMouseRig rig{Wired()};
    rig.Refresh();
    ASSERT_TRUE(rig.manager.IsReady());
    rig.manager.CloseAll();
    EXPECT_FALSE(rig.manager.IsReady());
    EXPECT_TRUE(rig.manager.Entries().empty());
    rig.mouse.ClearRequests();
    CommandFrame frame(0x30, 0xA5);
    EXPECT_FALSE(rig.manager.SendCommand(frame));
    std::string version;
    EXPECT_FALSE(rig.manager.ReadFeatureVersion(version));
    EXPECT_EQ(version, "0.0.0");
    EXPECT_EQ(rig.mouse.WriteAttempts(), 0);
    EXPECT_TRUE(rig.mouse.Requests().empty());
}

TEST(DeviceManager, RecordsSupportedInterfacesItMayNotOpen) {
    VirtualMouseRig rig{Wired(), Bluetooth()};
    rig.mouse.DenyAccess(true);
    DeviceStatus status = rig.Refresh();
    // The Bluetooth entry needs no handle, so it is still listed.
    EXPECT_EQ(ModesOf(rig.manager.Entries()), std::vector<int>{kBluetoothMode});
    EXPECT_EQ(status.mode, kBluetoothMode);
    const std::vector<DeniedInterface> denied = rig.manager.DeniedInterfaces();
    ASSERT_EQ(denied.size(), 1u);
    EXPECT_EQ(denied[0].path, rig.mouse.CommandPath(0));
    EXPECT_EQ(denied[0].productId, 0xAE1C);

    rig.mouse.DenyAccess(false);
    rig.Refresh();
    EXPECT_TRUE(rig.manager.DeniedInterfaces().empty());
}

TEST(DeviceManager, WindowThreadReadersRunSafelyBesideRefreshes) {
    VirtualMouseRig rig{Wired(), Receiver()};
    rig.Refresh();
    std::atomic<bool> stop{false};
    std::atomic<int> reads{0};
    std::thread reader([&] {
        while (!stop) {
            // Never a half-built list: the refresh holds the lock throughout.
            EXPECT_EQ(rig.manager.ConnectionMode(), kWiredMode);
            rig.manager.Find(0x1915, 0xAE1C, 0);
            rig.manager.FamilyModes();
            ++reads;
        }
    });
    for (int i = 0; i < 50; ++i) {
        rig.Refresh();
    }
    while (reads < 10) {
        std::this_thread::yield();
    }
    stop = true;
    reader.join();
    EXPECT_EQ(rig.manager.ConnectionMode(), kWiredMode);
}

}  // namespace
}  // namespace quillon
