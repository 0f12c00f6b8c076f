#include "device/DeviceChange.h"

#include <vector>

namespace quillon {
namespace {

bool ArrivalMatches(DeviceManager& manager, const std::vector<HidInterfaceInfo>& collections) {
    for (const DeviceModelRecord& record : manager.FamilyModes()) {
        for (const HidInterfaceInfo& info : collections) {
            bool bluetooth = info.bus == HidBus::Bluetooth && info.usagePage == 0x01 &&
                             info.usage == 0x06 && info.vendorId == record.vid &&
                             info.productId == record.pid;
            // Any vendor or receiver interface counts, even one of another model of the family.
            bool commandInterface = (info.usagePage == 0xFF01 && info.usage == 0x10) ||
                                    (info.usagePage == 0xFF0A && info.usage == 0x01);
            if (bluetooth ||
                (commandInterface && manager.Find(record.vid, record.pid, record.mode) < 0)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool OnDeviceChange(DeviceManager& manager, DeviceChangeEvent event, const std::string& path,
                    bool present, const EnqueueTask& enqueue) {
    if (event == DeviceChangeEvent::Arrival) {
        std::vector<HidInterfaceInfo> collections;
        for (HidInterfaceInfo& info : manager.Backend().Enumerate()) {
            if (info.path == path) {
                collections.push_back(std::move(info));
            }
        }
        if (!ArrivalMatches(manager, collections)) {
            return false;
        }
        enqueue(kTaskDeviceArrived);
        return true;
    }
    if (!present || manager.FindPath(path) < 0) {
        return false;
    }
    enqueue(kTaskDeviceRemoved);
    return true;
}

}  // namespace quillon
