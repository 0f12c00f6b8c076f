#include "store/SQLiteStatement.h"
#include "store/SettingsStore.h"

namespace quillon {
namespace {

// Every read addresses the base layer; rows of other layers are written but never read back.
constexpr int kReadLayer = 0;

// Columns of "SELECT * FROM t_key_macro_data", by position.
KeyAssignment ReadKeyAssignment(const SQLiteStatement& statement) {
    KeyAssignment record;
    record.key_id = statement.ColumnInt(0);
    record.profile = statement.ColumnInt(1);
    record.fn_layer = statement.ColumnInt(2);
    record.key_code = statement.ColumnInt(3);
    record.layout_value = statement.ColumnInt(4);
    record.layout_desc = statement.ColumnString(5);
    record.macro_type = statement.ColumnInt(6);
    record.macro_value = statement.ColumnInt(7);
    record.macro_value2 = statement.ColumnInt(8);
    record.macro_value3 = statement.ColumnInt(9);
    record.macro_desc = statement.ColumnString(10);
    return record;
}

}  // namespace

int SettingsStore::SaveKeyAssignment(const KeyAssignment& record) {
    std::lock_guard guard(lock_);
    int id = 0;
    // One transaction: a failed insert must not leave the button without its old row.
    const bool saved = InOneTransaction([&] {
        CachedStatement deletion = connection_.Cached(
            "DELETE FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?");
        deletion->BindInt(1, record.profile);
        deletion->BindInt(2, record.fn_layer);
        deletion->BindInt(3, record.key_code);
        if (!Stepped(deletion->Step()) || (record.macro_value == 0 && record.macro_value2 == 0)) {
            return;
        }
        CachedStatement statement = connection_.Cached(
            "INSERT INTO t_key_macro_data(profile, fn_layer, key_code, "
            "layout_value, layout_desc, macro_type, macro_value, macro_value2, "
            "macro_value3, macro_desc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        statement->BindInt(1, record.profile);
        statement->BindInt(2, record.fn_layer);
        statement->BindInt(3, record.key_code);
        statement->BindInt(4, record.layout_value);
        statement->BindText(5, record.layout_desc);
        statement->BindInt(6, record.macro_type);
        statement->BindInt(7, record.macro_value);
        statement->BindInt(8, record.macro_value2);
        statement->BindInt(9, record.macro_value3);
        statement->BindText(10, record.macro_desc);
        id = InsertedId(statement->Step());
    });
    return saved ? id : 0;
}

bool SettingsStore::GetKeyAssignment(int profile, int keyCode, KeyAssignment& record) {
    std::lock_guard guard(lock_);
    CachedStatement statement = connection_.Cached(
        "SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?");
    statement->BindInt(1, profile);
    statement->BindInt(2, kReadLayer);
    statement->BindInt(3, keyCode);
    if (!GotRow(statement->Step())) {
        return false;
    }
    record = ReadKeyAssignment(*statement);
    return true;
}

bool SettingsStore::SetKeyDescription(int profile, int keyCode, std::string_view text) {
    std::lock_guard guard(lock_);
    CachedStatement statement = connection_.Cached(
        "UPDATE t_key_macro_data SET macro_desc = ? WHERE profile = ? and "
        "fn_layer = ? and key_code = ?");
    statement->BindText(1, text);
    statement->BindInt(2, profile);
    statement->BindInt(3, kReadLayer);
    statement->BindInt(4, keyCode);
    return Stepped(statement->Step());
}

int SettingsStore::LoadKeyAssignments(int profile, std::vector<KeyAssignment>& list) {
    std::lock_guard guard(lock_);
    list.clear();
    CachedStatement statement =
        connection_.Cached("SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ?");
    statement->BindInt(1, profile);
    statement->BindInt(2, kReadLayer);
    while (GotRow(statement->Step())) {
        list.push_back(ReadKeyAssignment(*statement));
    }
    return static_cast<int>(list.size());
}

bool SettingsStore::DeleteKeyAssignments(int profile) {
    return RunWithId("DELETE FROM t_key_macro_data WHERE profile = ?", profile);
}

}  // namespace quillon
