#include "device/DeviceRefresh.h"

namespace quillon {

DeviceStatus RefreshDevices(DeviceManager& manager, const std::vector<DeviceModelRecord>& modeList,
                            DeviceStateObserver& observer) {
    observer.ResetBattery();
    manager.Rebuild(modeList);
    std::vector<DeviceEntryInfo> entries;
    manager.Collect(entries);

    DeviceStatus status;
    status.deviceType = DeviceCatalogue::kServedDeviceType;
    observer.ClearMessage();
    if (entries.empty()) {
        observer.ShowConnectionState(ConnectionState::NoDevice);
        return status;
    }
    status.present = true;
    status.mode = manager.ConnectionMode();
    switch (status.mode) {
        case kNoConnection:
            observer.ShowConnectionState(ConnectionState::MouseNotAnswering);
            break;
        case kBluetoothMode:
            observer.ShowConnectionState(ConnectionState::Bluetooth);
            observer.ShowBluetoothNotice();
            status.connected = true;
            break;
        case kWiredMode:
            status.connected = true;
            observer.ShowConnectionState(ConnectionState::Wired);
            break;
        default:
            status.connected = true;
            observer.ShowConnectionState(ConnectionState::Receiver);
            break;
    }
    return status;
}

}  // namespace quillon
