#pragma once

#include <initializer_list>
#include <vector>

#include "device/DeviceManager.h"
#include "device/DeviceRefresh.h"
#include "emulator/VirtualMouse.h"
#include "emulator/VirtualMouseBackend.h"
#include "support/ManualClock.h"

namespace quillon::test {

// A virtual mouse attached through the given links, a DeviceManager over it and a clock that
// never really waits. Refresh() runs the device refresh with the mouse's own catalogue modes.
struct VirtualMouseRig {
    ManualClock clock;
    VirtualMouse mouse{clock};
    VirtualMouseBackend backend{mouse};
    DeviceManager manager{backend, clock};

    VirtualMouseRig() : VirtualMouseRig(std::vector<VirtualInterfaceConfig>{{}}) {}
    VirtualMouseRig(std::initializer_list<VirtualInterfaceConfig> links)
        : VirtualMouseRig(std::vector<VirtualInterfaceConfig>(links)) {}
    explicit VirtualMouseRig(const std::vector<VirtualInterfaceConfig>& links) {
        for (const VirtualInterfaceConfig& link : links) {
            mouse.Connect(link);
        }
        manager.SetDeviceType(DeviceCatalogue::kServedDeviceType);
    }

    DeviceStatus Refresh() { return Refresh(mouse.CatalogueModes()); }
    DeviceStatus Refresh(const std::vector<DeviceModelRecord>& modes) {
        DeviceStateObserver none;
        return RefreshDevices(manager, modes, none);
    }
};

inline VirtualInterfaceConfig Wired() {
    return {VirtualLink::Wired, true, 0, 0};
}
inline VirtualInterfaceConfig Receiver(bool online = true) {
    return {VirtualLink::Receiver, online, 0, 0};
}
inline VirtualInterfaceConfig Bluetooth() {
    return {VirtualLink::Bluetooth, true, 0, 0};
}

}  // namespace quillon::test
