#pragma once

#include <string>

#include "device/DeviceEvents.h"
#include "device/DeviceManager.h"

namespace quillon {

// Decides whether a hidraw node appearing or disappearing concerns a supported mouse and, if so,
// queues `DeviceArrived` or `DeviceRemoved`; the re-enumeration itself is the task's work.
// Arrival: the node's collections (from enumeration) show a supported Bluetooth keyboard
// collection, or a vendor or receiver collection while a family mode has no entry yet.
// Removal, only while a mouse is present: a listed entry has that path. True when a task was
// queued.
bool OnDeviceChange(DeviceManager& manager, DeviceChangeEvent event, const std::string& path,
                    bool present, const EnqueueTask& enqueue);

}  // namespace quillon
