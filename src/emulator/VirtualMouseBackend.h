#pragma once

#include "device/HidBackend.h"
#include "emulator/VirtualMouse.h"

namespace quillon {

// The virtual mouse behind the HidBackend interface: enumeration, handles and hot-plug events
// come from the mouse. The mouse must outlive the backend and every handle it opened.
class VirtualMouseBackend : public HidBackend {
  public:
    explicit VirtualMouseBackend(VirtualMouse& mouse) : mouse_(mouse) {}

    VirtualMouse& Mouse() { return mouse_; }

    std::vector<HidInterfaceInfo> Enumerate() override;
    std::unique_ptr<HidDevice> Open(const std::string& path,
                                    HidOpenError* error = nullptr) override;
    std::unique_ptr<DeviceChangeSource> CreateChangeSource() override;

  private:
    VirtualMouse& mouse_;
};

}  // namespace quillon
