#pragma once

#include <vector>

#include "device/DeviceCatalogue.h"
#include "device/DeviceManager.h"
#include "device/DeviceStateObserver.h"

namespace quillon {

// The controller's flags after a refresh.
struct DeviceStatus {
    bool present = false;    // at least one entry of the device type is listed
    bool connected = false;  // wired, an online receiver, or Bluetooth (after its notice)
    int mode = kNoConnection;
    int deviceType = 0;
};

// Rebuilds the accept list and the entry list from the catalogue's mode list, then shows the
// connection state through `observer` and returns the new flags. Runs on the window thread for
// the first refresh and on the device worker afterwards.
DeviceStatus RefreshDevices(DeviceManager& manager, const std::vector<DeviceModelRecord>& modeList,
                            DeviceStateObserver& observer);

}  // namespace quillon
