#include "cli/DeviceSession.h"

#include "cli/CatalogueLoad.h"
#include "device/HidapiBackend.h"

namespace quillon::cli {
namespace {

constexpr const char* kUdevRule = "70-quillon-mouse.rules";

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
    // The manager's handles on the virtual mouse go before the mouse.
    manager_.reset();
    if (emulated_) {
        std::string error;
        if (!emulated_->Save(error)) {
            context_.err << "quillonctl: the virtual mouse's state was not kept: " << error << "\n";
        }
    }
}

int DeviceSession::Open() {
    DeviceCatalogue catalogue;
    if (!LoadCatalogue(context_, catalogue, "no mouse is accepted")) {
        return kExitFailure;
    }
    modes_ = catalogue.FamilyModes();
    if (backend_) {
        activeBackend_ = backend_.get();
    } else if (context_.options.emulate) {
        if (int status = OpenEmulator(); status != kExitOk) {
            return status;
        }
    } else {
        backend_ = std::make_unique<HidapiBackend>();
        activeBackend_ = backend_.get();
    }
    manager_ = std::make_unique<DeviceManager>(*activeBackend_);
    manager_->SetDeviceType(DeviceCatalogue::kServedDeviceType);
    Refresh();
    return kExitOk;
}

int DeviceSession::OpenEmulator() {
    emulated_ = std::make_unique<EmulatedMouse>();
    std::string error;
    bool usage = false;
    if (!emulated_->Open(context_.options.emulateSpec, modes_, error, &usage)) {
        emulated_.reset();
        return usage ? context_.Fail(kExitUsage, "--emulate: " + error)
                     : context_.Fail(kExitFailure, error);
    }
    activeBackend_ = &emulated_->Backend();
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
