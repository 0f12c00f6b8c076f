#include "store/DatabaseFileCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"
#include "store/Schema.h"

namespace quillon {
namespace {

constexpr int kSqlCantOpen = 14;

constexpr std::string_view kHeaderMagic{"SQLite format 3\0", 16};

enum class HeaderState { Empty, Sqlite, Other, Unreadable };

HeaderState ReadHeader(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return HeaderState::Unreadable;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return HeaderState::Unreadable;
    }
    char bytes[16] = {};
    in.read(bytes, sizeof bytes);
    std::streamsize count = in.gcount();
    if (count == 0) {
        return HeaderState::Empty;
    }
    return std::string_view(bytes, static_cast<size_t>(count)) == kHeaderMagic ? HeaderState::Sqlite
                                                                               : HeaderState::Other;
}

// A read-only connection to a file in write-ahead-log mode creates the log and its index beside
// the file and leaves them there. When no log exists the file is complete by itself and is read
// as immutable, which creates nothing; an existing log (a crash before the last checkpoint, or
// another program using the file) holds committed pages and must be read with SQLite's locking.
bool LogExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path + "-wal", ec);
}

std::string CheckUri(const std::string& path, bool withLocking) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (std::isalnum(c) != 0 || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 15];
        }
    }
    return uri + (withLocking ? "?mode=ro" : "?mode=ro&immutable=1");
}

// What another program that writes the file beside the check changes.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    bool log = false;
    bool operator==(const FileStamp&) const = default;
};

FileStamp Stamp(const std::string& path) {
    std::error_code ec;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, ec);
    stamp.time = std::filesystem::last_write_time(path, ec);
    stamp.log = LogExists(path);
    return stamp;
}

DatabaseFileState FromFailure(int rc) {
    if (rc == kSqlBusy || rc == kSqlLocked) {
        return DatabaseFileState::Busy;
    }
    if (rc == kSqlCantOpen) {
        return DatabaseFileState::Unreadable;
    }
    return DatabaseFileState::Damaged;
}

// Reads the first text column of every row; false with rc set when a step fails.
bool ReadColumn(SQLiteDB& db, std::string_view sql, std::vector<std::string>& rows, int& rc) {
    SQLiteStatement statement;
    rc = db.Prepare(statement, sql);
    if (rc != kSqlOk) {
        return false;
    }
    while ((rc = statement.Step()) == kSqlRow) {
        rows.push_back(statement.ColumnString(0));
    }
    return rc == kSqlDone;
}

// True when the table's columns start with the schema's, in order. Columns added after ours
// would not disturb reads that take columns by position.
bool HasSchemaColumns(SQLiteDB& db, const TableColumns& table, int& rc) {
    std::vector<std::string> names;
    SQLiteStatement statement;
    rc = db.Prepare(statement, "SELECT name FROM pragma_table_info(?)");
    if (rc != kSqlOk || statement.BindText(1, table.table) != kSqlOk) {
        return false;
    }
    while ((rc = statement.Step()) == kSqlRow) {
        names.push_back(statement.ColumnString(0));
    }
    if (rc != kSqlDone) {
        return false;
    }
    return names.size() >= table.columns.size() &&
           std::equal(table.columns.begin(), table.columns.end(), names.begin());
}

DatabaseFileState CheckContent(const std::string& uri) {
    SQLiteDB db;
    if (!db.Open(uri, kOpenReadOnly | kOpenUri)) {
        return DatabaseFileState::Unreadable;
    }
    int rc = kSqlOk;
    std::vector<std::string> check;
    if (!ReadColumn(db, "PRAGMA quick_check", check, rc)) {
        return FromFailure(rc);
    }
    if (check.empty() || check.front() != "ok") {
        return DatabaseFileState::Damaged;
    }
    std::vector<std::string> tables;
    if (!ReadColumn(db,
                    "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                    "'sqlite\\_%' ESCAPE '\\'",
                    tables, rc)) {
        return FromFailure(rc);
    }
    std::set<std::string, std::less<>> present(tables.begin(), tables.end());
    std::set<std::string, std::less<>> known(kOptionalTables.begin(), kOptionalTables.end());
    size_t ours = 0;
    for (const TableColumns& table : SchemaTables()) {
        known.emplace(table.table);
        if (!present.contains(table.table)) {
            continue;
        }
        if (!HasSchemaColumns(db, table, rc)) {
            return rc == kSqlDone ? DatabaseFileState::Foreign : FromFailure(rc);
        }
        ++ours;
    }
    if (ours == SchemaTables().size()) {
        return DatabaseFileState::Ours;
    }
    bool onlyKnown = std::all_of(present.begin(), present.end(),
                                 [&](const std::string& name) { return known.contains(name); });
    return onlyKnown ? DatabaseFileState::Incomplete : DatabaseFileState::Foreign;
}

}  // namespace

DatabaseFileState CheckDatabaseFile(const std::string& path) {
    switch (ReadHeader(path)) {
        case HeaderState::Empty:
            return DatabaseFileState::Incomplete;
        case HeaderState::Other:
            return DatabaseFileState::NotDatabase;
        case HeaderState::Unreadable:
            return DatabaseFileState::Unreadable;
        case HeaderState::Sqlite:
            break;
    }
    const FileStamp before = Stamp(path);
    DatabaseFileState state = CheckContent(CheckUri(path, before.log));
    // An immutable read sees garbage when another program writes the file meanwhile (it opened
    // the file after the log was looked for); then the file is read again, with locking.
    if (!before.log && !(Stamp(path) == before)) {
        state = CheckContent(CheckUri(path, true));
    }
    return state;
}

std::string DescribeProblem(DatabaseFileState state) {
    switch (state) {
        case DatabaseFileState::Ours:
        case DatabaseFileState::Incomplete:
            return "";
        case DatabaseFileState::NotDatabase:
            return "is not an SQLite database";
        case DatabaseFileState::Damaged:
            return "is damaged (truncated or corrupt)";
        case DatabaseFileState::Foreign:
            return "holds another program's tables";
        case DatabaseFileState::Unreadable:
            return "cannot be read";
        case DatabaseFileState::Unwritable:
            return "cannot be created or written";
        case DatabaseFileState::NotAFolder:
            return "cannot be created: a file stands where its folder should be";
        case DatabaseFileState::NoModel:
            return "belongs to no model the catalogue supports";
        case DatabaseFileState::ReadOnly:
            return "cannot be written: read-only";
        case DatabaseFileState::Busy:
            return "is busy: another program has kept it locked for more than " +
                   std::to_string(kBusyTimeoutMs / 1000) + " s";
    }
    return "";
}

}  // namespace quillon
