#include "protocol/ProfileValues.h"

#include "platform/NumberText.h"
#include "store/SettingsStore.h"

namespace quillon {

int ProfileValues::Get(std::string_view key) const {
    std::string text;
    store_.GetValue(profile_, key, text);
    return ParseLeadingInt(text);
}

bool ProfileValues::Set(std::string_view key, int value) const {
    return store_.SetValue(profile_, key, std::to_string(value));
}

std::string ProfileValues::DpiValueKey(int stageIndex) {
    return "dpi_group" + std::to_string(stageIndex) + "_value";
}

std::string ProfileValues::DpiColourKey(int stageIndex) {
    return "dpi_group" + std::to_string(stageIndex) + "_rgb";
}

}  // namespace quillon
