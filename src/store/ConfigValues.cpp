#include "store/SQLiteStatement.h"
#include "store/SettingsStore.h"

namespace quillon {

bool SettingsStore::GetValue(int profile, std::string_view key, std::string& value) {
    std::lock_guard guard(lock_);
    value.clear();
    SQLiteStatement statement;
    connection_.Prepare(statement, "SELECT value FROM t_configdata WHERE profile = ? and key = ?");
    statement.BindInt(1, profile);
    statement.BindText(2, key);
    if (!GotRow(statement.Step())) {
        return false;
    }
    value = statement.ColumnString(0);
    return true;
}

bool SettingsStore::SetValue(int profile, std::string_view key, std::string_view value) {
    std::lock_guard guard(lock_);
    SQLiteStatement statement;
    connection_.Prepare(statement,
                        "UPDATE t_configdata SET value = ? WHERE profile = ? and key = ?");
    statement.BindText(1, value);
    statement.BindInt(2, profile);
    statement.BindText(3, key);
    return Stepped(statement.Step());
}

bool SettingsStore::ReplaceValue(int profile, std::string_view key, std::string_view value) {
    std::lock_guard guard(lock_);
    return SetValue(profile, key, value) && connection_.Changes() > 0;
}

}  // namespace quillon
