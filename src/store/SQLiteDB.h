#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "store/CachedStatement.h"

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
inline constexpr int kSqlBusy = 5;
inline constexpr int kSqlLocked = 6;
inline constexpr int kSqlReadOnly = 8;
inline constexpr int kSqlMisuse = 21;
inline constexpr int kSqlRow = 100;
inline constexpr int kSqlDone = 101;

// The success test every store operation applies to a step.
inline bool StepSucceeded(int rc) {
    return rc == kSqlOk || rc == kSqlRow || rc == kSqlDone;
}

// How long every connection, the window's and the command line's alike, waits for another
// program's write to end before it gives up with "busy".
inline constexpr int kBusyTimeoutMs = 5000;

// One SQLite connection. Operations on a closed connection return SQLITE_MISUSE (21) without
// touching SQLite. Its statement cache is not guarded: users on several threads serialise their
// calls (the settings store's lock does).
class SQLiteDB {
  public:
    SQLiteDB() = default;
    // Interrupts whatever runs on the connection, then closes it.
    virtual ~SQLiteDB();
    SQLiteDB(const SQLiteDB&) = delete;
    SQLiteDB& operator=(const SQLiteDB&) = delete;

    // Closes what is open, then opens the file. Every connection waits up to kBusyTimeoutMs for
    // another program's write instead of failing at once; a read-write one then runs in
    // write-ahead log mode with normal synchronisation (a power cut can lose the last commits,
    // never the file).
    bool Open(const std::string& path, int flags);
    // Finalizes the cached statements, then closes. True when closed or already closed; false
    // when SQLite refused (a statement compiled by Prepare still lives; the handle is kept).
    bool Close();
    bool IsOpen() const { return handle_ != nullptr; }
    // True when SQLite opened the file for reading only (it does so silently when the file may
    // not be written).
    bool IsReadOnly() const;
    // True inside BEGIN ... COMMIT.
    bool InTransaction() const;
    // The result code of the connection's last failed call; SQLITE_MISUSE when closed.
    int ErrorCode() const;

    // Compiles sql into statement, finalizing what it held before.
    int Prepare(SQLiteStatement& statement, std::string_view sql);
    // The statement of one SQL text, compiled at its first use and kept until the connection
    // closes or opens another file: compiling costs more than running most of the store's
    // statements. A text whose statement is lent out already (an operation run inside another's
    // use of the same text) gets one of its own; a text that does not compile is not kept.
    // Another program's schema change makes SQLite compile a kept statement again by itself.
    CachedStatement Cached(std::string_view sql);
    // Runs one statement of no rows (BEGIN, SAVEPOINT, COMMIT ...) from the cache; kSqlOk when it
    // completed, else SQLite's code.
    int Run(std::string_view sql);
    using RowCallback = int (*)(void* argument, int columns, char** values, char** names);
    int Exec(const std::string& sql, RowCallback callback = nullptr, void* argument = nullptr);

    // Rows the last INSERT, UPDATE or DELETE changed; 0 when closed.
    int Changes() const;
    // Row id of the last insert on this connection; -1 when closed.
    std::int64_t LastInsertRowId() const;

  private:
    sqlite3* handle_ = nullptr;
    std::map<std::string, std::shared_ptr<CachedStatement::Slot>, std::less<>> cache_;
};

}  // namespace quillon
