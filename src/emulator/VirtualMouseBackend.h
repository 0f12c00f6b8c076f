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
    // Processes reach the same virtual mouse through its state file, so they lock on that;
    // a mouse without one lives in this process alone and needs no lock.
    std::string LockKey(const std::string& path) const override;
    void SetStateFile(std::string stateFile) { stateFile_ = std::move(stateFile); }

    // The key of `path` on a virtual mouse kept in `stateFile`.
    static std::string LockKeyOf(const std::string& stateFile, const std::string& path);

  private:
    VirtualMouse& mouse_;
    std::string stateFile_;
};

}  // namespace quillon
