#include "cli/DeviceSession.h"

#include <filesystem>

#include "device/HidapiBackend.h"
#include "emulator/EmulationRequest.h"
#include "emulator/VirtualMouseBackend.h"

namespace quillon::cli {
namespace {

constexpr const char* kUdevRule = "70-quillon-mouse.rules";

int ModeOfLink(VirtualLink link) {
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

}  // namespace

const char* ConnectionModeName(int mode) {
    switch (mode) {
        case kWiredMode:
            return "wired";
        case kReceiverMode:
            return "receiver";
        case kBluetoothMode:
            return "bluetooth";
        case kSecondReceiverMode:
            return "second receiver";
        default:
            return "none";
    }
}

DeviceSession::DeviceSession(CliContext& context) : context_(context) {}

DeviceSession::DeviceSession(CliContext& context, std::unique_ptr<HidBackend> backend)
    : context_(context), backend_(std::move(backend)) {}

DeviceSession::~DeviceSession() {
    if (mouse_ && !stateFile_.empty()) {
        std::string error;
        if (!mouse_->SaveState(stateFile_, error)) {
            context_.err << "quillonctl: the virtual mouse's state was not kept: " << error << "\n";
        }
    }
}

int DeviceSession::Open() {
    const std::string path =
        context_.options.configFile.empty() ? DefaultCataloguePath() : context_.options.configFile;
    DeviceCatalogue catalogue;
    if (!catalogue.Load(path)) {
        context_.err << "quillonctl: warning: cannot read the device catalogue " << path
                     << " (missing or not well-formed); no mouse is accepted\n";
    }
    modes_ = catalogue.FamilyModes();
    if (!backend_) {
        if (context_.options.emulate) {
            if (int status = OpenEmulator(); status != kExitOk) {
                return status;
            }
        } else {
            backend_ = std::make_unique<HidapiBackend>();
        }
    }
    manager_ = std::make_unique<DeviceManager>(*backend_);
    manager_->SetDeviceType(DeviceCatalogue::kServedDeviceType);
    Refresh();
    return kExitOk;
}

int DeviceSession::OpenEmulator() {
    EmulationRequest request;
    std::string error;
    if (!ParseEmulation(context_.options.emulateSpec, request, error)) {
        return context_.Fail(kExitUsage, "--emulate: " + error);
    }
    mouse_ = std::make_unique<VirtualMouse>();
    if (!request.stateFile.empty()) {
        std::error_code ignored;
        if (std::filesystem::exists(request.stateFile, ignored) &&
            !mouse_->LoadState(request.stateFile, error)) {
            return context_.Fail(kExitFailure, "cannot use the virtual mouse's state: " + error);
        }
        stateFile_ = request.stateFile;
    }
    // The virtual mouse takes the catalogue's ids, so the shipped catalogue accepts it.
    for (VirtualInterfaceConfig config : request.interfaces) {
        for (const DeviceModelRecord& record : modes_) {
            if (record.mode == ModeOfLink(config.link)) {
                config.vendorId = static_cast<std::uint16_t>(record.vid);
                config.productId = static_cast<std::uint16_t>(record.pid);
                break;
            }
        }
        mouse_->Connect(config);
    }
    auto backend = std::make_unique<VirtualMouseBackend>(*mouse_);
    if (!stateFile_.empty()) {
        // Every process that names this file, however it spells the path, reaches this mouse.
        backend->SetStateFile(std::filesystem::absolute(stateFile_).lexically_normal().string());
    }
    backend_ = std::move(backend);
    return kExitOk;
}

const DeviceStatus& DeviceSession::Refresh() {
    DeviceStateObserver none;
    status_ = RefreshDevices(*manager_, modes_, none);
    return status_;
}

std::string DeviceSession::PermissionProblem() const {
    const std::vector<DeniedInterface> denied = manager_->DeniedInterfaces();
    if (denied.empty()) {
        return {};
    }
    std::string text = "no permission to open " + denied[0].path;
    if (denied.size() > 1) {
        text += " and " + std::to_string(denied.size() - 1) + " more";
    }
    return text + "; install the udev rule " + kUdevRule +
           " (cmake --install does), then unplug and plug the mouse again";
}

}  // namespace quillon::cli
