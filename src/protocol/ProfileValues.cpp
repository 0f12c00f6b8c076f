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

SettingsStore::ValueTexts ProfileValues::LoadTexts() const {
    SettingsStore::ValueTexts texts;
    store_.LoadValues(profile_, texts);
    return texts;
}

int ProfileValues::NumberOf(const SettingsStore::ValueTexts& texts, std::string_view key) {
    const auto found = texts.find(key);
    return found != texts.end() ? ParseLeadingInt(found->second) : 0;
}

void ProfileValues::SetChanged(const Numbers& numbers) const {
    SettingsStore::ValueTexts texts = LoadTexts();
    for (const auto& [key, value] : numbers) {
        const auto found = texts.find(key);
        // A key without a row would store nothing anyway.
        if (found != texts.end() && found->second != std::to_string(value)) {
            Set(key, value);
            found->second = std::to_string(value);
        }
    }
}

std::string ProfileValues::DpiValueKey(int stageIndex) {
    return "dpi_group" + std::to_string(stageIndex) + "_value";
}

std::string ProfileValues::DpiColourKey(int stageIndex) {
    return "dpi_group" + std::to_string(stageIndex) + "_rgb";
}

}  // namespace quillon
