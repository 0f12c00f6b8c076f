#include "device/CatalogueStartup.h"

#include "platform/ProductKey.h"
#include "platform/Registry.h"

namespace quillon {
namespace {

template <typename Step, typename... Args>
void Call(const Step& step, const Args&... args) {
    if (step) {
        step(args...);
    }
}

}  // namespace

bool LoadAndApplyCatalogue(DeviceCatalogue& catalogue, const std::string& path,
                           const CatalogueStartupSteps& steps) {
    const bool loaded = catalogue.Load(path);
    if (catalogue.HasSoftware()) {
        Call(steps.showVersion, catalogue.Software().version);
    }
    // The window's language choice normally creates the product key first; a fresh home
    // (or the command line) must not lose the device type for want of it.
    RegistryKey productKey(ProductKeyFile());
    if (productKey.Open() == RegistryKey::OpenResult::NotFound) {
        productKey.Create();
    }
    WriteDeviceType(DeviceCatalogue::kServedDeviceType);
    Call(steps.setDeviceType, DeviceCatalogue::kServedDeviceType);
    Call(steps.disableInputMethod);
    Call(steps.openSettingsDatabase);
    Call(steps.registerDeviceNotifications);
    Call(steps.refreshDevices);
    return loaded;
}

std::string DatabaseKeyForRecordedType(const DeviceCatalogue& catalogue) {
    return catalogue.DatabaseKey(ReadDeviceType());
}

}  // namespace quillon
