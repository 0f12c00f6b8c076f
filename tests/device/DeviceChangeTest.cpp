#include <gtest/gtest.h>

#include "device/DeviceChange.h"
#include "support/VirtualMouseRig.h"

namespace quillon {
namespace {

using test::Bluetooth;
using test::Receiver;
using test::VirtualMouseRig;
using test::Wired;

struct Queue {
    std::vector<int> tasks;
    EnqueueTask Enqueue() {
        return [this](int task) { tasks.push_back(task); };
    }
};

// The boot mouse node of an interface: enumerated, but never a command interface.
std::string BootMouseNode(VirtualMouse& mouse, int index) {
    for (const HidInterfaceInfo& info : mouse.Enumerate()) {
        if (info.usagePage == 0x01 && info.usage == 0x02 && info.path != mouse.CommandPath(index) &&
            info.bus == HidBus::Usb) {
            return info.path;
        }
    }
    return {};
}

TEST(OnDeviceChange, ArrivalQueuesOnlyForAnInterfaceTheListLacks) {
    VirtualMouseRig rig{Wired()};
    // The catalogue also knows a receiver, which has no entry yet.
    std::vector<DeviceModelRecord> modes = rig.mouse.CatalogueModes();
    DeviceModelRecord receiver = modes[0];
    receiver.mode = kReceiverMode;
    receiver.pid = VirtualMouse::kReceiverProductId;
    const std::vector<DeviceModelRecord> wiredOnly = modes;
    modes.push_back(receiver);

    Queue queue;
    rig.Refresh(wiredOnly);
    EXPECT_FALSE(OnDeviceChange(rig.manager, DeviceChangeEvent::Arrival, rig.mouse.CommandPath(0),
                                true, queue.Enqueue()))
        << "a second arrival of a listed wired interface";
    EXPECT_FALSE(OnDeviceChange(rig.manager, DeviceChangeEvent::Arrival,
                                BootMouseNode(rig.mouse, 0), true, queue.Enqueue()));
    EXPECT_FALSE(OnDeviceChange(rig.manager, DeviceChangeEvent::Arrival, "/dev/hidraw42", true,
                                queue.Enqueue()));
    EXPECT_TRUE(queue.tasks.empty());

    rig.Refresh(modes);
    // A vendor interface of another model of the family still counts while a catalogue mode
    // has no entry.
    const int other = rig.mouse.Connect({VirtualLink::Wired, true, 0, 0xBEEF});
    EXPECT_TRUE(OnDeviceChange(rig.manager, DeviceChangeEvent::Arrival,
                               rig.mouse.CommandPath(other), true, queue.Enqueue()));
    EXPECT_EQ(queue.tasks, std::vector<int>{kTaskDeviceArrived});
}

TEST(OnDeviceChange, ReceiverAndBluetoothArrivalsAreRecognised) {
    VirtualMouseRig rig{Wired(), Receiver(), Bluetooth()};
    const std::vector<DeviceModelRecord> modes = rig.mouse.CatalogueModes();
    rig.mouse.Unplug(1);
    rig.mouse.Unplug(2);
    rig.Refresh(modes);

    Queue queue;
    rig.mouse.Plug(1);
    EXPECT_TRUE(OnDeviceChange(rig.manager, DeviceChangeEvent::Arrival, rig.mouse.CommandPath(1),
                               true, queue.Enqueue()));
    rig.mouse.Plug(2);
    std::string bluetoothPath;
    for (const HidInterfaceInfo& info : rig.mouse.Enumerate()) {
        if (info.bus == HidBus::Bluetooth) {
            bluetoothPath = info.path;
        }
    }
    EXPECT_TRUE(OnDeviceChange(rig.manager, DeviceChangeEvent::Arrival, bluetoothPath, true,
                               queue.Enqueue()));
    EXPECT_EQ(queue.tasks, (std::vector<int>{kTaskDeviceArrived, kTaskDeviceArrived}));
}

TEST(OnDeviceChange, RemovalQueuesForAListedPathWhileAMouseIsPresent) {
    VirtualMouseRig rig{Wired(), Receiver()};
    rig.Refresh();
    Queue queue;
    EXPECT_FALSE(OnDeviceChange(rig.manager, DeviceChangeEvent::Removal, rig.mouse.CommandPath(0),
                                false, queue.Enqueue()))
        << "ignored while the present flag is clear";
    EXPECT_FALSE(OnDeviceChange(rig.manager, DeviceChangeEvent::Removal,
                                BootMouseNode(rig.mouse, 0), true, queue.Enqueue()));
    EXPECT_TRUE(OnDeviceChange(rig.manager, DeviceChangeEvent::Removal, rig.mouse.CommandPath(1),
                               true, queue.Enqueue()));
    EXPECT_EQ(queue.tasks, std::vector<int>{kTaskDeviceRemoved});
}

TEST(OnDeviceChange, TheVirtualMouseRaisesTheSameEventsAsHotPlug) {
    VirtualMouseRig rig{Wired(), Receiver()};
    rig.Refresh();
    Queue queue;
    std::vector<std::pair<DeviceChangeEvent, std::string>> seen;
    std::unique_ptr<DeviceChangeSource> source = rig.backend.CreateChangeSource();
    ASSERT_TRUE(source->Start([&](DeviceChangeEvent event, const std::string& path) {
        seen.emplace_back(event, path);
        OnDeviceChange(rig.manager, event, path, true, queue.Enqueue());
    }));

    rig.mouse.Unplug(0);
    ASSERT_EQ(seen.size(), 2u) << "both nodes of the cable interface go";
    EXPECT_EQ(seen[1], std::make_pair(DeviceChangeEvent::Removal, rig.mouse.CommandPath(0)));
    EXPECT_EQ(queue.tasks, std::vector<int>{kTaskDeviceRemoved}) << "one task, for the listed node";

    rig.Refresh();
    queue.tasks.clear();
    rig.mouse.Plug(0);
    EXPECT_EQ(queue.tasks, std::vector<int>{kTaskDeviceArrived});

    source->Stop();
    rig.mouse.Unplug(0);
    EXPECT_EQ(seen.size(), 4u) << "nothing after Stop";
}

}  // namespace
}  // namespace quillon
