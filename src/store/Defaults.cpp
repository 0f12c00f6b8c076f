#include <string>

#include "store/SQLiteStatement.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"

namespace quillon {

bool SettingsStore::InsertDefaultValues(int profile) {
    // Only the keys the profile lacks: a file whose profile rows were lost keeps the values it
    // still holds instead of getting a second copy of every row.
    return InOneTransaction([&] {
        for (const ConfigValue& row : InsertedValues()) {
            CachedStatement statement = connection_.Cached(
                "INSERT INTO t_configdata(profile, key, value) SELECT ?1, ?2, ?3 "
                "WHERE NOT EXISTS (SELECT 1 FROM t_configdata WHERE profile = ?1 "
                "AND key = ?2)");
            statement->BindInt(1, profile);
            statement->BindText(2, row.key);
            statement->BindText(3, row.value);
            Stepped(statement->Step());
        }
    });
}

bool SettingsStore::ResetProfileValues(int profile, int connectionMode) {
    return InOneTransaction([&] {
        for (const ConfigValue& row : RestoredValues(connectionMode)) {
            SetValue(profile, row.key, row.value);
        }
    });
}

bool SettingsStore::ClearAll() {
    // One transaction: a reset cut short must not leave profiles without their values.
    return InOneTransaction([this] {
        for (const TableColumns& table : SchemaTables()) {
            Stepped(connection_.Run("DELETE FROM " + std::string(table.table)));
        }
        // Absent from files this program creates; there the statement does not compile.
        for (std::string_view table : kOptionalTables) {
            CachedStatement statement = connection_.Cached("DELETE FROM " + std::string(table));
            if (statement.PrepareResult() == kSqlOk) {
                Stepped(statement->Step());
            }
        }
        Stepped(connection_.Run("DELETE FROM sqlite_sequence"));
    });
}

}  // namespace quillon
