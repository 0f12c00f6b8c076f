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
                       std::string& reason) {
    ProfileFileContent content;
    if (!ReadProfileFile(path, content, reason)) {
        return false;
    }
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
    }
    for (const auto& [key, value] : content.values) {
        store.SetValue(profile, key, value);
    }
    return true;
}

}  // namespace quillon
