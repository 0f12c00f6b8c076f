#include "emulator/VirtualMouseBackend.h"

namespace quillon {
namespace {

class VirtualHidDevice : public HidDevice {
  public:
    VirtualHidDevice(VirtualMouse& mouse, int handle) : mouse_(mouse), handle_(handle) {}
    ~VirtualHidDevice() override { mouse_.CloseHandle(handle_); }
    VirtualHidDevice(const VirtualHidDevice&) = delete;
    VirtualHidDevice& operator=(const VirtualHidDevice&) = delete;

    int Write(const std::uint8_t* data, std::size_t length) override {
        return mouse_.Write(handle_, data, length);
    }
    int Read(std::uint8_t* data, std::size_t length, int timeoutMs) override {
        return mouse_.Read(handle_, data, length, timeoutMs);
    }
    int SendFeatureReport(const std::uint8_t* data, std::size_t length) override {
        return mouse_.SendFeatureReport(handle_, data, length);
    }
    int GetFeatureReport(std::uint8_t* data, std::size_t length) override {
        return mouse_.GetFeatureReport(handle_, data, length);
    }
    std::string ManufacturerString() override { return mouse_.ManufacturerString(handle_); }
    std::string ProductString() override { return mouse_.ProductString(handle_); }
    std::string ErrorText() override { return mouse_.ErrorText(handle_); }
    bool Interruptible() const override { return true; }
    void InterruptRead() override { mouse_.InterruptRead(handle_); }

  private:
    VirtualMouse& mouse_;
    int handle_;
};

// Hot-plug of the virtual mouse: its plug and unplug calls, delivered on the caller's thread.
class VirtualChangeSource : public DeviceChangeSource {
  public:
    explicit VirtualChangeSource(VirtualMouse& mouse) : mouse_(mouse) {}
    ~VirtualChangeSource() override { Stop(); }
    VirtualChangeSource(const VirtualChangeSource&) = delete;
    VirtualChangeSource& operator=(const VirtualChangeSource&) = delete;

    bool Start(Callback callback) override {
        Stop();
        listener_ = mouse_.AddChangeListener(std::move(callback));
        return true;
    }
    void Stop() override {
        if (listener_ != 0) {
            mouse_.RemoveChangeListener(listener_);
            listener_ = 0;
        }
    }

  private:
    VirtualMouse& mouse_;
    int listener_ = 0;
};

}  // namespace

std::vector<HidInterfaceInfo> VirtualMouseBackend::Enumerate() {
    return mouse_.Enumerate();
}

std::unique_ptr<HidDevice> VirtualMouseBackend::Open(const std::string& path, HidOpenError* error) {
    const int handle = mouse_.OpenHandle(path, error);
    if (handle == 0) {
        return nullptr;
    }
    return std::make_unique<VirtualHidDevice>(mouse_, handle);
}

std::unique_ptr<DeviceChangeSource> VirtualMouseBackend::CreateChangeSource() {
    return std::make_unique<VirtualChangeSource>(mouse_);
}

std::string VirtualMouseBackend::LockKey(const std::string& path) const {
    return stateFile_.empty() ? std::string() : LockKeyOf(stateFile_, path);
}

std::string VirtualMouseBackend::LockKeyOf(const std::string& stateFile, const std::string& path) {
    return stateFile + "@" + path;
}

}  // namespace quillon
