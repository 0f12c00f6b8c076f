#include "platform/ProductKey.h"

#include "platform/NumberText.h"
#include "platform/Paths.h"
#include "platform/Registry.h"

namespace quillon {
namespace {

int ReadNumber(const char* name) {
    RegistryKey key(ProductKeyFile());
    if (key.Open() != RegistryKey::OpenResult::Opened) {
        return 0;
    }
    std::optional<std::string> text = key.ReadString(name);
    return text ? ParseLeadingInt(*text) : 0;
}

bool WriteNumber(const char* name, int value) {
    RegistryKey key(ProductKeyFile());
    return key.Open() == RegistryKey::OpenResult::Opened &&
           key.WriteString(name, std::to_string(value));
}

}  // namespace

std::string ProductKeyFile() {
    return ConfigFolder() + "registry.ini";
}

int ReadLanguageId() {
    return ReadNumber(kLanguageIdValue);
}

bool WriteLanguageId(int languageId) {
    return WriteNumber(kLanguageIdValue, languageId);
}

int ReadDeviceType() {
    return ReadNumber(kDeviceTypeValue);
}

bool WriteDeviceType(int deviceType) {
    return WriteNumber(kDeviceTypeValue, deviceType);
}

}  // namespace quillon
