#pragma once

#include <functional>
#include <string>

#include "device/DeviceCatalogue.h"

namespace quillon {

// What loading the catalogue sets in motion at start-up, each step supplied by its owner.
// Empty functions are skipped.
struct CatalogueStartupSteps {
    std::function<void(const std::string& version)> showVersion;  // settings page's label
    std::function<void(int deviceType)> setDeviceType;  // device manager; clears its cached choice
    std::function<void()> disableInputMethod;
    std::function<void()> openSettingsDatabase;
    std::function<void()> registerDeviceNotifications;
    std::function<void()> refreshDevices;
};

// Loads the catalogue from `path` (a missing or malformed file leaves every list empty), records
// the served device type in the product key, then runs the start-up steps in their fixed order.
// Returns what Load returned.
bool LoadAndApplyCatalogue(DeviceCatalogue& catalogue, const std::string& path,
                           const CatalogueStartupSteps& steps);

// The settings database key of the device type recorded in the product key; empty when no model
// of that type is listed.
std::string DatabaseKeyForRecordedType(const DeviceCatalogue& catalogue);

}  // namespace quillon
