#include "store/SQLiteStatement.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"

namespace quillon {

int SettingsStore::AddProfile(const ProfileRecord& record) {
    std::lock_guard guard(lock_);
    int id = 0;
    const bool added = InOneTransaction([&] {
        CachedStatement statement = connection_.Cached(
            "INSERT INTO t_profile_data(name, status, app, type) VALUES (?, ?, ?, ?);");
        statement->BindText(1, record.name);
        statement->BindInt(2, 0);
        statement->BindText(3, record.app);
        statement->BindInt(4, 0);
        id = InsertedId(statement->Step());
        if (id > 0) {
            InsertDefaultValues(id);
        }
    });
    return added ? id : 0;
}

int SettingsStore::LoadProfiles(std::vector<ProfileRecord>& list) {
    std::lock_guard guard(lock_);
    list.clear();
    CachedStatement statement = connection_.Cached("SELECT * FROM t_profile_data");
    while (GotRow(statement->Step())) {
        ProfileRecord& record = list.emplace_back();
        record.profile = statement->ColumnInt(0);
        record.name = statement->ColumnString(1);
        record.status = statement->ColumnInt(2);
        record.app = statement->ColumnString(3);
        record.type = statement->ColumnInt(4);
    }
    return static_cast<int>(list.size());
}

bool SettingsStore::SetActiveProfile(int profile) {
    return InOneTransaction([&] {
        CachedStatement all = connection_.Cached("UPDATE t_profile_data SET status = ?");
        all->BindInt(1, 0);
        Stepped(all->Step());
        CachedStatement one =
            connection_.Cached("UPDATE t_profile_data SET status = ? WHERE profile = ?");
        one->BindInt(1, 1);
        one->BindInt(2, profile);
        Stepped(one->Step());
    });
}

int SettingsStore::ActiveProfile() {
    std::lock_guard guard(lock_);
    CachedStatement statement =
        connection_.Cached("SELECT profile FROM t_profile_data WHERE status = ?");
    statement->BindInt(1, 1);
    return GotRow(statement->Step()) ? statement->ColumnInt(0) : 0;
}

int SettingsStore::EnsureDefaultProfiles() {
    std::lock_guard guard(lock_);
    const int active = ActiveProfile();
    if (active > 0 || LastFailure() != kSqlOk) {
        return active;
    }
    // Tested again under the write lock, which every process takes before creating: any number
    // of programs opening a new file at once leave exactly one set of profiles.
    const bool completed = InOneTransaction([this] {
        std::vector<ProfileRecord> profiles;
        if (LoadProfiles(profiles) < 1 && LastFailure() == kSqlOk) {
            CreateDefaultProfiles();
        }
        if (ActiveProfile() < 1 && LastFailure() == kSqlOk) {
            SetActiveProfile(1);
        }
    });
    return completed ? ActiveProfile() : 0;
}

void SettingsStore::CreateDefaultProfiles() {
    // Ids 1 to 5 whatever the id counter says, so that the value rows a file may still hold for
    // them (its profile rows lost) are theirs again.
    int id = 0;
    for (std::string_view name : kDefaultProfileNames) {
        CachedStatement statement = connection_.Cached(
            "INSERT INTO t_profile_data(profile, name, status, app, type) VALUES "
            "(?, ?, 0, '', 0)");
        statement->BindInt(1, ++id);
        statement->BindText(2, name);
        if (Stepped(statement->Step())) {
            InsertDefaultValues(id);
        }
    }
}

}  // namespace quillon
