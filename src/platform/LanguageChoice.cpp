#include "platform/LanguageChoice.h"

#include <strings.h>

#include <atomic>
#include <cstdlib>
#include <string_view>

#include "platform/NumberText.h"
#include "platform/ProductKey.h"
#include "platform/Registry.h"

namespace quillon {
namespace {

std::atomic<int> g_currentLanguageId{kLanguageEnglishUs};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool IsCLocale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

// "zh_CN.UTF-8", "zh_SG", "zh_Hans_HK", "zh-Hans": Chinese in the simplified script.
bool IsSimplifiedChinese(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    bool chinese = false;
    bool simplifiedScript = false;
    bool traditionalScript = false;
    bool simplifiedRegion = false;
    for (size_t index = 0; !name.empty(); ++index) {
        size_t end = name.find_first_of("_-");
        std::string_view part = name.substr(0, end);
        name = end == std::string_view::npos ? std::string_view() : name.substr(end + 1);
        if (index == 0) {
            chinese = EqualsIgnoreCase(part, "zh");
        } else if (EqualsIgnoreCase(part, "Hans")) {
            simplifiedScript = true;
        } else if (EqualsIgnoreCase(part, "Hant")) {
            traditionalScript = true;
        } else if (EqualsIgnoreCase(part, "CN") || EqualsIgnoreCase(part, "SG")) {
            simplifiedRegion = true;
        }
    }
    return chinese && (simplifiedScript || (simplifiedRegion && !traditionalScript));
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

int LanguageIdFromLocale(const LocaleVariables& variables) {
    std::string_view locale = !variables.lcAll.empty()        ? variables.lcAll
                              : !variables.lcMessages.empty() ? variables.lcMessages
                                                              : variables.lang;
    std::string_view chosen = locale;
    if (!IsCLocale(locale)) {
        std::string_view list = variables.language;
        while (!list.empty()) {
            size_t colon = list.find(':');
            std::string_view entry = list.substr(0, colon);
            if (!entry.empty()) {
                chosen = entry;
                break;
            }
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
    }
    return IsSimplifiedChinese(chosen) ? kLanguageChineseSimplified : kLanguageEnglishUs;
}

int UserInterfaceLanguageId() {
    return LanguageIdFromLocale({EnvironmentValue("LC_ALL"), EnvironmentValue("LC_MESSAGES"),
                                 EnvironmentValue("LANG"), EnvironmentValue("LANGUAGE")});
}

int ChooseLanguage() {
    int value = 0;
    RegistryKey key(ProductKeyFile());
    switch (key.Open()) {
        case RegistryKey::OpenResult::NotFound:
            value = key.Create() ? 0 : kLanguageChineseSimplified;
            break;
        case RegistryKey::OpenResult::Failed:
            value = kLanguageChineseSimplified;
            break;
        case RegistryKey::OpenResult::Opened:
            value = ParseLeadingInt(key.ReadString(kLanguageIdValue).value_or(""));
            break;
    }
    if (value == 0) {
        value = UserInterfaceLanguageId();
    }
    int languageId =
        value == kLanguageChineseSimplified ? kLanguageChineseSimplified : kLanguageEnglishUs;
    WriteLanguageId(languageId);
    SetCurrentLanguageId(languageId);
    return languageId;
}

int CurrentLanguageId() {
    return g_currentLanguageId.load(std::memory_order_relaxed);
}

void SetCurrentLanguageId(int languageId) {
    g_currentLanguageId.store(languageId, std::memory_order_relaxed);
}

}  // namespace quillon
