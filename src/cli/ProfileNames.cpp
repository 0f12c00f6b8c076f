#include "cli/ProfileNames.h"

#include <vector>

#include "cli/EnglishTexts.h"
#include "platform/NumberText.h"

namespace quillon::cli {

std::string ShownProfileName(const ProfileRecord& record) {
    const std::string text = EnglishText(ParseLeadingInt(record.name));
    return text.empty() ? record.name : text;
}

std::string ShownProfileName(SettingsStore& store, int profile) {
    std::vector<ProfileRecord> profiles;
    store.LoadProfiles(profiles);
    for (const ProfileRecord& record : profiles) {
        if (record.profile == profile) {
            return ShownProfileName(record);
        }
    }
    return {};
}

}  // namespace quillon::cli
