#include "device/CatalogueStartup.h"

#include "platform/ProductKey.h"

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
