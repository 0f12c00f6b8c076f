#pragma once

#include "device/HidBackend.h"

namespace quillon {

// The machine's HID interfaces through hidapi's hidraw backend.
class HidapiBackend : public HidBackend {
  public:
    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path,
                                    HidOpenError* error = nullptr) override;
    // A libudev watcher of hidraw nodes.
    std::unique_ptr<DeviceChangeSource> CreateChangeSource() override;
};

}  // namespace quillon
