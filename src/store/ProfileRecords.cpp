#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteStatement.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"

namespace quillon {
int SettingsStore::AddProfile(const ProfileRecord& record) {
    std::lock_guard guard(lock_);
    SQLiteStatement statement;
    connection_.Prepare(statement,
                        "INSERT INTO t_profile_data(name, status, app, type) VALUES (?, ?, ?, ?);");
    statement.BindText(1, record.name);
    statement.BindInt(2, 0);
    statement.BindText(3, record.app);
    statement.BindInt(4, 0);
    int id = InsertedId(statement.Step());
    InsertDefaultValues(id);
    return id;
}

int SettingsStore::LoadProfiles(std::vector<ProfileRecord>& list) {
    std::lock_guard guard(lock_);
    list.clear();
    SQLiteStatement statement;
    connection_.Prepare(statement, "SELECT * FROM t_profile_data");
    while (statement.Step() == kSqlRow) {
        ProfileRecord& record = list.emplace_back();
        record.profile = statement.ColumnInt(0);
        record.name = statement.ColumnString(1);
        record.status = statement.ColumnInt(2);
        record.app = statement.ColumnString(3);
        record.type = statement.ColumnInt(4);
    }
    return static_cast<int>(list.size());
}

bool SettingsStore::SetActiveProfile(int profile) {
    std::lock_guard guard(lock_);
    SQLiteStatement statement;
    connection_.Prepare(statement, "UPDATE t_profile_data SET status = ?");
    statement.BindInt(1, 0);
    statement.Step();
    connection_.Prepare(statement, "UPDATE t_profile_data SET status = ? WHERE profile = ?");
    statement.BindInt(1, 1);
    statement.BindInt(2, profile);
    return StepSucceeded(statement.Step());
}

int SettingsStore::ActiveProfile() {
    std::lock_guard guard(lock_);
    SQLiteStatement statement;
    connection_.Prepare(statement, "SELECT profile FROM t_profile_data WHERE status = ?");
    statement.BindInt(1, 1);
    return statement.Step() == kSqlRow ? statement.ColumnInt(0) : 0;
}

int SettingsStore::EnsureDefaultProfiles() {
    // Held across the test and the creation: two threads filling at once on an empty file would
    // otherwise both create the five profiles.
    std::lock_guard guard(lock_);
    std::vector<ProfileRecord> profiles;
    if (LoadProfiles(profiles) < 1) {
        // One transaction, so a file never keeps a profile with only some of its values.
        SQLiteAutoTransaction transaction(&connection_);
        for (std::string_view name : kDefaultProfileNames) {
            ProfileRecord record;
            record.name = name;
            AddProfile(record);
        }
        SetActiveProfile(1);
        transaction.Commit();
    }
    int active = ActiveProfile();
    if (active < 1) {
        SetActiveProfile(1);
        active = ActiveProfile();
    }
    return active;
}

}  // namespace quillon
