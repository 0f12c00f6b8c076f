#include "store/SQLiteStatement.h"
#include "store/SQLiteWriteTransaction.h"
#include "store/SettingsStore.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::string_view kInsertMacro =
    "INSERT INTO t_macro_data(name, play_type, play_times, delay_type, delay_time) VALUES (?, ?, "
    "?, ?, ?);";

constexpr std::string_view kInsertMacroItem =
    "INSERT INTO t_macrorecord(macro_id, type, record_index, desc, value, delay_time) VALUES (?, "
    "?, ?, ?, ?, ?)";

void BindMacroItem(SQLiteStatement& statement, const MacroItem& item) {
    statement.BindInt(1, item.macro_id);
    statement.BindInt(2, item.type);
    statement.BindInt(3, item.record_index);
    statement.BindText(4, item.desc);
    statement.BindInt(5, item.value);
    statement.BindInt(6, item.delay_time);
}

// Columns of "SELECT * FROM t_macro_data", by position.
MacroHeader ReadMacroHeader(const SQLiteStatement& statement) {
    MacroHeader macro;
    macro.macro_id = statement.ColumnInt(0);
    macro.name = statement.ColumnString(1);
    macro.play_type = statement.ColumnInt(2);
    macro.play_times = statement.ColumnInt(3);
    macro.delay_type = statement.ColumnInt(4);
    macro.delay_time = statement.ColumnInt(5);
    return macro;
}

}  // namespace

int SettingsStore::AddMacro(std::string_view name) {
    MacroHeader macro;
    macro.name = name;
    macro.play_type = 0;
    macro.play_times = 1;
    macro.delay_type = 1;
    macro.delay_time = 0;
    return InsertMacro(macro);
}

int SettingsStore::InsertMacro(const MacroHeader& macro) {
    std::lock_guard guard(lock_);
    CachedStatement statement = connection_.Cached(kInsertMacro);
    statement->BindText(1, macro.name);
    statement->BindInt(2, macro.play_type);
    statement->BindInt(3, macro.play_times);
    statement->BindInt(4, macro.delay_type);
    statement->BindInt(5, macro.delay_time);
    return InsertedId(statement->Step());
}

bool SettingsStore::SetMacroName(int macroId, std::string_view name) {
    std::lock_guard guard(lock_);
    CachedStatement statement =
        connection_.Cached("UPDATE t_macro_data SET name = ? WHERE macro_id = ?");
    statement->BindText(1, name);
    statement->BindInt(2, macroId);
    return Stepped(statement->Step());
}

bool SettingsStore::UpdateMacro(int macroId, const MacroHeader& macro) {
    std::lock_guard guard(lock_);
    CachedStatement statement = connection_.Cached(
        "UPDATE t_macro_data SET name = ?, play_type = ?, play_times = ?, "
        "delay_type = ?,delay_time = ? WHERE macro_id = ?");
    statement->BindText(1, macro.name);
    statement->BindInt(2, macro.play_type);
    statement->BindInt(3, macro.play_times);
    statement->BindInt(4, macro.delay_type);
    statement->BindInt(5, macro.delay_time);
    statement->BindInt(6, macroId);
    return Stepped(statement->Step());
}

bool SettingsStore::GetMacro(int macroId, MacroHeader& macro) {
    std::lock_guard guard(lock_);
    CachedStatement statement = connection_.Cached("SELECT * FROM t_macro_data WHERE macro_id = ?");
    statement->BindInt(1, macroId);
    if (!GotRow(statement->Step())) {
        return false;
    }
    macro = ReadMacroHeader(*statement);
    return true;
}

int SettingsStore::LoadMacros(std::vector<MacroHeader>& list) {
    std::lock_guard guard(lock_);
    list.clear();
    CachedStatement statement = connection_.Cached("SELECT * FROM t_macro_data");
    while (GotRow(statement->Step())) {
        list.push_back(ReadMacroHeader(*statement));
    }
    return static_cast<int>(list.size());
}

bool SettingsStore::RemoveMacro(int macroId) {
    return InOneTransaction([&] {
        if (RunWithId("DELETE FROM t_macro_data WHERE macro_id = ?", macroId)) {
            RunWithId("DELETE FROM t_macrorecord WHERE macro_id = ?", macroId);
        }
    });
}

int SettingsStore::InsertMacroItem(const MacroItem& item) {
    std::lock_guard guard(lock_);
    CachedStatement statement = connection_.Cached(kInsertMacroItem);
    BindMacroItem(*statement, item);
    return InsertedId(statement->Step());
}

bool SettingsStore::InsertMacroItems(std::vector<MacroItem>& items) {
    std::lock_guard guard(lock_);
    // One commit for all steps. A step the database refuses does not stop the others, but the
    // result says so; inside InOneTransaction it undoes the whole transaction.
    SQLiteWriteTransaction transaction(connection_);
    if (transaction.BeginResult() != kSqlOk) {
        Failed(transaction.BeginResult());
        items.clear();
        return false;
    }
    bool all = true;
    for (const MacroItem& item : items) {
        CachedStatement statement = connection_.Cached(kInsertMacroItem);
        BindMacroItem(*statement, item);
        all = Stepped(statement->Step()) && all;
    }
    if (const int rc = transaction.Commit(); rc != kSqlOk) {
        Failed(rc);
        all = false;
    }
    items.clear();
    return all;
}

// Appends the steps of an executed "SELECT * FROM t_macrorecord ..." statement.
void SettingsStore::ReadMacroItems(SQLiteStatement& statement, std::vector<MacroItem>& list) {
    while (GotRow(statement.Step())) {
        MacroItem& item = list.emplace_back();
        item.record_id = statement.ColumnInt(0);
        item.macro_id = statement.ColumnInt(1);
        item.type = statement.ColumnInt(2);
        item.record_index = statement.ColumnInt(3);
        item.desc = statement.ColumnString(4);
        item.value = statement.ColumnInt(5);
        item.delay_time = statement.ColumnInt(6);
    }
}

int SettingsStore::LoadMacroItems(int macroId, std::vector<MacroItem>& list) {
    std::lock_guard guard(lock_);
    list.clear();
    CachedStatement statement = connection_.Cached(
        "SELECT * FROM t_macrorecord WHERE macro_id = ? ORDER BY record_index ASC");
    statement->BindInt(1, macroId);
    ReadMacroItems(*statement, list);
    return static_cast<int>(list.size());
}

int SettingsStore::LoadAllMacroItems(std::vector<MacroItem>& list) {
    std::lock_guard guard(lock_);
    list.clear();
    CachedStatement statement = connection_.Cached("SELECT * FROM t_macrorecord");
    ReadMacroItems(*statement, list);
    // Sorted here rather than by SQLite: the rows come in record_id order, nearly sorted
    // already, and SQLite's sorter costs more than the query itself.
    auto before = [](const MacroItem& a, const MacroItem& b) {
        return a.macro_id != b.macro_id ? a.macro_id < b.macro_id : a.record_index < b.record_index;
    };
    if (!std::is_sorted(list.begin(), list.end(), before)) {
        std::stable_sort(list.begin(), list.end(), before);
    }
    return static_cast<int>(list.size());
}

bool SettingsStore::DeleteMacroItems(int macroId) {
    return RunWithId("DELETE FROM t_macrorecord WHERE macro_id = ?", macroId);
}

}  // namespace quillon
