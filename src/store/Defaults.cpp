#include <string>

#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteStatement.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"

namespace quillon {

void SettingsStore::InsertDefaultValues(int profile) {
    std::lock_guard guard(lock_);
    SQLiteStatement statement;
    for (const ConfigValue& row : InsertedValues()) {
        connection_.Prepare(statement,
                            "INSERT INTO t_configdata(profile, key, value) VALUES (?, ?, ?);");
        statement.BindInt(1, profile);
        statement.BindText(2, row.key);
        statement.BindText(3, row.value);
        statement.Step();
    }
}

void SettingsStore::ResetProfileValues(int profile, int connectionMode) {
    for (const ConfigValue& row : RestoredValues(connectionMode)) {
        SetValue(profile, row.key, row.value);
    }
}

void SettingsStore::ClearAll() {
    std::lock_guard guard(lock_);
    // One transaction: a reset cut short must not leave profiles without their values.
    SQLiteAutoTransaction transaction(&connection_);
    SQLiteStatement statement;
    for (const TableColumns& table : SchemaTables()) {
        connection_.Prepare(statement, "DELETE FROM " + std::string(table.table));
        statement.Step();
    }
    // Absent from files this program creates; there the statement does not compile.
    for (std::string_view table : kOptionalTables) {
        connection_.Prepare(statement, "DELETE FROM " + std::string(table));
        statement.Step();
    }
    connection_.Prepare(statement, "DELETE FROM sqlite_sequence");
    statement.Step();
    transaction.Commit();
}

}  // namespace quillon
