#include "store/SQLiteStatement.h"
#include "store/SettingsStore.h"

namespace quillon {

bool SettingsStore::GetValue(int profile, std::string_view key, std::string& value) {
    std::lock_guard guard(lock_);
    value.clear();
    CachedStatement statement =
        connection_.Cached("SELECT value FROM t_configdata WHERE profile = ? and key = ?");
    statement->BindInt(1, profile);
    statement->BindText(2, key);
    if (!GotRow(statement->Step())) {
        return false;
    }
    value = statement->ColumnString(0);
    return true;
}

bool SettingsStore::SetValue(int profile, std::string_view key, std::string_view value) {
    std::lock_guard guard(lock_);
    CachedStatement statement =
        connection_.Cached("UPDATE t_configdata SET value = ? WHERE profile = ? and key = ?");
    statement->BindText(1, value);
    statement->BindInt(2, profile);
    statement->BindText(3, key);
    return Stepped(statement->Step());
}

int SettingsStore::LoadValues(int profile, ValueTexts& values) {
    std::lock_guard guard(lock_);
    values.clear();
    CachedStatement statement =
        connection_.Cached("SELECT key, value FROM t_configdata WHERE profile = ?");
    statement->BindInt(1, profile);
    while (GotRow(statement->Step())) {
        values.emplace(statement->ColumnString(0), statement->ColumnString(1));
    }
    return static_cast<int>(values.size());
}

bool SettingsStore::ReplaceValue(int profile, std::string_view key, std::string_view value) {
    std::lock_guard guard(lock_);
    return SetValue(profile, key, value) && connection_.Changes() > 0;
}

}  // namespace quillon
