#include "device/HidapiBackend.h"

#include <hidapi.h>
#include <unistd.h>

#include <cerrno>
#include <cwchar>

#include "device/DeviceWatcher.h"
#include "platform/Utf16.h"

namespace quillon {
namespace {

// Longest string hidapi is asked for, in characters.
constexpr std::size_t kMaxStringChars = 512;

// hidapi's wide strings hold UTF-32 code points on Linux.
std::string ToUtf8(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != L'\0'; ++text) {
        auto c = static_cast<char32_t>(*text);
        AppendUtf8(out, c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? U'\uFFFD' : c);
    }
    return out;
}

HidBus ToBus(hid_bus_type bus) {
    switch (bus) {
        case HID_API_BUS_USB:
            return HidBus::Usb;
        case HID_API_BUS_BLUETOOTH:
            return HidBus::Bluetooth;
        case HID_API_BUS_I2C:
            return HidBus::I2c;
        case HID_API_BUS_SPI:
            return HidBus::Spi;
        default:
            return HidBus::Unknown;
    }
}

// hidapi reports an open failure only as text, so ask the file system why.
HidOpenError WhyNotOpened(const std::string& path) {
    if (::access(path.c_str(), R_OK | W_OK) == 0) {
        return HidOpenError::Other;
    }
    if (errno == EACCES || errno == EPERM) {
        return HidOpenError::PermissionDenied;
    }
    return errno == ENOENT ? HidOpenError::NotFound : HidOpenError::Other;
}

class HidapiDevice : public HidDevice {
  public:
    explicit HidapiDevice(hid_device* device) : device_(device) {}
    ~HidapiDevice() override { hid_close(device_); }
    HidapiDevice(const HidapiDevice&) = delete;
    HidapiDevice& operator=(const HidapiDevice&) = delete;

    int Write(const std::uint8_t* data, std::size_t length) override {
        return hid_write(device_, data, length);
    }
    int Read(std::uint8_t* data, std::size_t length, int timeoutMs) override {
        return hid_read_timeout(device_, data, length, timeoutMs);
    }
    int SendFeatureReport(const std::uint8_t* data, std::size_t length) override {
        return hid_send_feature_report(device_, data, length);
    }
    int GetFeatureReport(std::uint8_t* data, std::size_t length) override {
        return hid_get_feature_report(device_, data, length);
    }
    std::string ManufacturerString() override {
        wchar_t text[kMaxStringChars] = {};
        if (hid_get_manufacturer_string(device_, text, kMaxStringChars) != 0) {
            return {};
        }
        return ToUtf8(text);
    }
    std::string ProductString() override {
        wchar_t text[kMaxStringChars] = {};
        if (hid_get_product_string(device_, text, kMaxStringChars) != 0) {
            return {};
        }
        return ToUtf8(text);
    }
    std::string ErrorText() override { return ToUtf8(hid_error(device_)); }

  private:
    hid_device* device_;
};

}  // namespace

std::vector<HidInterfaceInfo> HidapiBackend::Enumerate() {
    std::vector<HidInterfaceInfo> result;
    // A failed initialisation is simply tried again by the next enumeration.
    if (hid_init() != 0) {
        return result;
    }
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        HidInterfaceInfo item;
        item.path = info->path != nullptr ? info->path : "";
        item.vendorId = info->vendor_id;
        item.productId = info->product_id;
        item.releaseNumber = info->release_number;
        item.usagePage = info->usage_page;
        item.usage = info->usage;
        item.interfaceNumber = info->interface_number;
        item.bus = ToBus(info->bus_type);
        result.push_back(std::move(item));
    }
    hid_free_enumeration(list);
    return result;
}

std::unique_ptr<HidDevice> HidapiBackend::Open(const std::string& path, HidOpenError* error) {
    hid_device* device = hid_init() == 0 ? hid_open_path(path.c_str()) : nullptr;
    if (error != nullptr) {
        *error = device != nullptr ? HidOpenError::None : WhyNotOpened(path);
    }
    if (device == nullptr) {
        return nullptr;
    }
    return std::make_unique<HidapiDevice>(device);
}

std::unique_ptr<DeviceChangeSource> HidapiBackend::CreateChangeSource() {
    return std::make_unique<DeviceWatcher>();
}

}  // namespace quillon
