#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "device/HidBackend.h"

namespace quillon {

// Connection modes of an interface; -1 means no usable interface.
inline constexpr int kNoConnection = -1;
inline constexpr int kWiredMode = 0;
inline constexpr int kReceiverMode = 1;
inline constexpr int kBluetoothMode = 2;
inline constexpr int kSecondReceiverMode = 3;

// One row of the accept list: a vendor/product pair the catalogue supports.
struct SupportedInterface {
    int vendorId = 0;
    int productId = 0;
    int deviceType = 0;
    int mode = 0;
};

// What is known of one usable interface, without its handle: safe to copy out of the list.
struct DeviceEntryInfo {
    int index = 0;  // number of entries in the list when this one was made
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string path;
    std::string manufacturer;  // empty for Bluetooth entries
    std::string product;       // empty for Bluetooth entries
    int releaseNumber = 0;
    int deviceType = 0;
    int mode = 0;
    int online = 0;  // 1 when the mouse behind the interface answers
};

// One enumerated, usable interface and its open handle (none for Bluetooth entries).
struct DeviceEntry : DeviceEntryInfo {
    std::unique_ptr<HidDevice> handle;
};

}  // namespace quillon
