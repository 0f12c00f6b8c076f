#include "emulator/EmulatedMouse.h"

#include <filesystem>
#include <system_error>

#include "device/DeviceEntry.h"

namespace quillon {

int ConnectionModeOfLink(VirtualLink link) {
    switch (link) {
        case VirtualLink::Wired:
            return kWiredMode;
        case VirtualLink::Receiver:
            return kReceiverMode;
        case VirtualLink::Bluetooth:
            return kBluetoothMode;
    }
    return kWiredMode;
}

bool EmulatedMouse::Open(std::string_view text, const std::vector<DeviceModelRecord>& modes,
                         std::string& error, bool* usageError) {
    if (usageError != nullptr) {
        *usageError = false;
    }
    EmulationRequest request;
    if (!ParseEmulation(text, request, error)) {
        if (usageError != nullptr) {
            *usageError = true;
        }
        return false;
    }
    auto mouse = std::make_unique<VirtualMouse>();
    if (!request.stateFile.empty()) {
        std::error_code ignored;
        if (std::filesystem::exists(request.stateFile, ignored) &&
            !mouse->LoadState(request.stateFile, error)) {
            error = "cannot use the virtual mouse's state: " + error;
            return false;
        }
    }
    for (VirtualInterfaceConfig config : request.interfaces) {
        for (const DeviceModelRecord& record : modes) {
            if (record.mode == ConnectionModeOfLink(config.link)) {
                config.vendorId = static_cast<std::uint16_t>(record.vid);
                config.productId = static_cast<std::uint16_t>(record.pid);
                break;
            }
        }
        mouse->Connect(config);
    }
    mouse_ = std::move(mouse);
    backend_ = std::make_unique<VirtualMouseBackend>(*mouse_);
    stateFile_ = request.stateFile;
    if (!stateFile_.empty()) {
        // Every process that names this file, however it spells the path, reaches this mouse.
        backend_->SetStateFile(std::filesystem::absolute(stateFile_).lexically_normal().string());
    }
    return true;
}

bool EmulatedMouse::Save(std::string& error) const {
    return !mouse_ || stateFile_.empty() || mouse_->SaveState(stateFile_, error);
}

}  // namespace quillon
