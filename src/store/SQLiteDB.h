#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

namespace quillon {

class SQLiteStatement;

// Open flags as SQLite defines them.
inline constexpr int kOpenReadOnly = 0x00001;
inline constexpr int kOpenReadWrite = 0x00002;
inline constexpr int kOpenCreate = 0x00004;
inline constexpr int kOpenUri = 0x00040;
inline constexpr int kOpenFullMutex = 0x10000;

// Result codes the store tests for (SQLite's own numbers).
inline constexpr int kSqlOk = 0;
inline constexpr int kSqlMisuse = 21;
inline constexpr int kSqlRow = 100;
inline constexpr int kSqlDone = 101;

// The success test every store operation applies to a step.
inline bool StepSucceeded(int rc) {
    return rc == kSqlOk || rc == kSqlRow || rc == kSqlDone;
}

// One SQLite connection. Operations on a closed connection return SQLITE_MISUSE (21) without
// touching SQLite.
class SQLiteDB {
  public:
    SQLiteDB() = default;
    // Interrupts whatever runs on the connection, then closes it.
    virtual ~SQLiteDB();
    SQLiteDB(const SQLiteDB&) = delete;
    SQLiteDB& operator=(const SQLiteDB&) = delete;

    // Closes what is open, then opens the file. A read-write connection then runs in write-ahead
    // log mode with normal synchronisation (a power cut can lose the last commits, never the
    // file) and waits up to 2 s for another program's write instead of failing at once.
    bool Open(const std::string& path, int flags);
    // True when closed or already closed; false when SQLite refused (the handle is kept).
    bool Close();
    bool IsOpen() const { return handle_ != nullptr; }

    // Compiles sql into statement, finalizing what it held before.
    int Prepare(SQLiteStatement& statement, std::string_view sql);
    using RowCallback = int (*)(void* argument, int columns, char** values, char** names);
    int Exec(const std::string& sql, RowCallback callback = nullptr, void* argument = nullptr);

    // Row id of the last insert on this connection; -1 when closed.
    std::int64_t LastInsertRowId() const;

  private:
    sqlite3* handle_ = nullptr;
};

}  // namespace quillon
