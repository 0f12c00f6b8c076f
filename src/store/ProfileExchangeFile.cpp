#include "store/ProfileExchangeFile.h"

#include "store/ProfileFile.h"

namespace quillon {

bool ExportProfileFile(SettingsStore& store, int profile, const std::string& name,
                       const std::string& path, std::string& reason) {
    ProfileFileContent content;
    content.name = name;
    store.LoadKeyAssignments(profile, content.keyItems);
    for (const std::string& key : ProfileFileKeys()) {
        std::string value;
        store.GetValue(profile, key, value);
        content.values.emplace_back(key, value);
    }
    return WriteProfileFile(path, content, reason);
}

bool ImportProfileFile(SettingsStore& store, int profile, const std::string& path,
                       std::string& reason, std::vector<int>& buttonsWithoutMacro) {
    buttonsWithoutMacro.clear();
    ProfileFileContent content;
    if (!ReadProfileFile(path, content, reason)) {
        return false;
    }
    std::vector<int> unbound;
    const bool stored = store.InOneTransaction([&] {
        store.DeleteKeyAssignments(profile);
        for (const KeyAssignment& item : content.keyItems) {
            KeyAssignment record;
            record.profile = profile;
            record.key_code = item.key_code;
            record.macro_type = item.macro_type;
            record.macro_value = item.macro_value;
            record.macro_value2 = item.macro_value2;
            record.macro_value3 = item.macro_value3;
            record.macro_desc = item.macro_desc;
            store.SaveKeyAssignment(record);
            MacroHeader macro;
            if (item.macro_type == kMacroFunctionType && item.macro_value != 0 &&
                !store.GetMacro(item.macro_value, macro) && store.LastFailure() == kSqlOk) {
                unbound.push_back(item.key_code);
            }
        }
        for (const auto& [key, value] : content.values) {
            store.SetValue(profile, key, value);
        }
    });
    if (!stored) {
        reason = "the settings database did not take the profile (" +
                 SettingsStore::DescribeFailure(store.LastFailure()) +
                 "); the profile is as it was";
        return false;
    }
    buttonsWithoutMacro = std::move(unbound);
    return true;
}

}  // namespace quillon
