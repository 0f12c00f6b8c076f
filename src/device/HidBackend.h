#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillon {

enum class HidBus { Unknown = 0, Usb = 1, Bluetooth = 2, I2c = 3, Spi = 4 };

// One top-level collection of one HID interface, as enumeration lists it. One device node can
// appear several times with different (usage page, usage) pairs.
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    int interfaceNumber = -1;  // -1 when the bus has none (Bluetooth)
    HidBus bus = HidBus::Unknown;
};

enum class HidOpenError { None, PermissionDenied, NotFound, Other };

// An open HID interface. Buffers follow hidapi's conventions on Linux: writes and feature
// reports start with the report id (0x00 for devices without numbered reports); reads of such
// devices return the report without an id byte, one report per read, cut to the buffer's size.
// Closing is destruction.
class HidDevice {
  public:
    virtual ~HidDevice() = default;

    // Bytes written (the report id counts), or -1.
    virtual int Write(const std::uint8_t* data, std::size_t length) = 0;
    // Bytes read, 0 on time-out, -1 on error (for example the device is gone).
    virtual int Read(std::uint8_t* data, std::size_t length, int timeoutMs) = 0;
    // data[0] is the report id. Bytes sent, or -1.
    virtual int SendFeatureReport(const std::uint8_t* data, std::size_t length) = 0;
    // data[0] holds the report id on entry. Bytes received including that id byte, or -1.
    virtual int GetFeatureReport(std::uint8_t* data, std::size_t length) = 0;
    // UTF-8; empty when the device gives none.
    virtual std::string ManufacturerString() = 0;
    virtual std::string ProductString() = 0;
    // Text of the last failure on this device, empty when none.
    virtual std::string ErrorText() = 0;

    // Whether InterruptRead() can end a waiting Read early. hidapi's reads cannot be woken, so
    // a caller that must give way reads those in short slices instead.
    virtual bool Interruptible() const { return false; }
    // Ends the Read now waiting on this device, or else the next one, at once with 0 (as a
    // time-out would). Any thread, while the device is open.
    virtual void InterruptRead() {}
};

enum class DeviceChangeEvent { Arrival, Removal };

// Reports HID interfaces appearing and disappearing. Callbacks come on a thread of the source's
// choosing; the receiver marshals them where it needs them.
class DeviceChangeSource {
  public:
    using Callback = std::function<void(DeviceChangeEvent event, const std::string& path)>;

    virtual ~DeviceChangeSource() = default;
    // False when changes cannot be followed; the program then carries on without hot-plug.
    virtual bool Start(Callback callback) = 0;
    virtual void Stop() = 0;
};

// Access to the machine's HID interfaces: hidapi on real hardware, or the virtual mouse.
class HidBackend {
  public:
    virtual ~HidBackend() = default;

    // Every HID interface, in the system's order.
    virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
    // Null on failure; `error` (when given) then says why.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path,
                                            HidOpenError* error = nullptr) = 0;
    // The hot-plug source that matches this backend.
    virtual std::unique_ptr<DeviceChangeSource> CreateChangeSource() = 0;
    // What names the device at `path` for the lock that keeps other processes off it: the
    // path itself for a real device node; empty when no other process can reach the device.
    virtual std::string LockKey(const std::string& path) const { return path; }
};

}  // namespace quillon
