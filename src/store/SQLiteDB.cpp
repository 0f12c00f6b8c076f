#include "store/SQLiteDB.h"

#include <sqlite3.h>

#include <climits>

#include "store/SQLiteStatement.h"

namespace quillon {

static_assert(kOpenReadOnly == SQLITE_OPEN_READONLY && kOpenReadWrite == SQLITE_OPEN_READWRITE &&
              kOpenCreate == SQLITE_OPEN_CREATE && kOpenUri == SQLITE_OPEN_URI &&
              kOpenFullMutex == SQLITE_OPEN_FULLMUTEX);
static_assert(kSqlOk == SQLITE_OK && kSqlMisuse == SQLITE_MISUSE && kSqlRow == SQLITE_ROW &&
              kSqlDone == SQLITE_DONE);

namespace {

// Stops a statement another thread is stepping. Only then: an interrupt raised while nothing runs
// would also stop the checkpoint that closing runs, leaving the write-ahead log beside the file.
void InterruptRunningStatement(sqlite3* handle) {
    for (sqlite3_stmt* s = sqlite3_next_stmt(handle, nullptr); s != nullptr;
         s = sqlite3_next_stmt(handle, s)) {
        if (sqlite3_stmt_busy(s) != 0) {
            sqlite3_interrupt(handle);
            return;
        }
    }
}

}  // namespace

SQLiteDB::~SQLiteDB() {
    if (handle_ != nullptr) {
        InterruptRunningStatement(handle_);
    }
    Close();
}

bool SQLiteDB::Open(const std::string& path, int flags) {
    if (handle_ != nullptr) {
        InterruptRunningStatement(handle_);
        // A connection SQLite will not close yet stays ours; opening over it would leak it.
        if (!Close()) {
            return false;
        }
    }
    if (path.empty()) {
        return false;
    }
    sqlite3* opened = nullptr;
    if (sqlite3_open_v2(path.c_str(), &opened, flags, nullptr) != SQLITE_OK) {
        if (opened != nullptr) {
            sqlite3_close(opened);
        }
        return false;
    }
    handle_ = opened;
    sqlite3_busy_timeout(handle_, kBusyTimeoutMs);
    if ((flags & kOpenReadWrite) != 0) {
        Exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;");
    }
    return true;
}

bool SQLiteDB::Close() {
    if (handle_ == nullptr) {
        return true;
    }
    // SQLite refuses to close while any statement lives. One still lent out is emptied too; its
    // holder then sees an unprepared statement.
    for (auto& [sql, slot] : cache_) {
        slot->statement.Finalize();
    }
    cache_.clear();
    if (sqlite3_close(handle_) != SQLITE_OK) {
        return false;
    }
    handle_ = nullptr;
    return true;
}

int SQLiteDB::Prepare(SQLiteStatement& statement, std::string_view sql) {
    if (handle_ == nullptr || sql.empty()) {
        return SQLITE_MISUSE;
    }
    if (sql.size() > static_cast<size_t>(INT_MAX)) {
        return SQLITE_TOOBIG;
    }
    statement.Finalize();
    return sqlite3_prepare_v2(handle_, sql.data(), static_cast<int>(sql.size()), &statement.handle_,
                              nullptr);
}

CachedStatement SQLiteDB::Cached(std::string_view sql) {
    const auto found = cache_.find(sql);
    if (found != cache_.end() && !found->second->lent) {
        return CachedStatement(found->second, kSqlOk);
    }
    auto slot = std::make_shared<CachedStatement::Slot>();
    const int rc = Prepare(slot->statement, sql);
    if (rc == kSqlOk && found == cache_.end()) {
        cache_.emplace(std::string(sql), slot);
    }
    return CachedStatement(std::move(slot), rc);
}

int SQLiteDB::Run(std::string_view sql) {
    CachedStatement statement = Cached(sql);
    if (statement.PrepareResult() != kSqlOk) {
        return statement.PrepareResult();
    }
    const int rc = statement->Step();
    return rc == kSqlDone || rc == kSqlRow ? kSqlOk : rc;
}

int SQLiteDB::Exec(const std::string& sql, RowCallback callback, void* argument) {
    if (handle_ == nullptr || sql.empty()) {
        return SQLITE_MISUSE;
    }
    return sqlite3_exec(handle_, sql.c_str(), callback, argument, nullptr);
}

bool SQLiteDB::IsReadOnly() const {
    return handle_ != nullptr && sqlite3_db_readonly(handle_, "main") == 1;
}

bool SQLiteDB::InTransaction() const {
    return handle_ != nullptr && sqlite3_get_autocommit(handle_) == 0;
}

int SQLiteDB::ErrorCode() const {
    return handle_ != nullptr ? sqlite3_errcode(handle_) : SQLITE_MISUSE;
}

int SQLiteDB::Changes() const {
    return handle_ != nullptr ? sqlite3_changes(handle_) : 0;
}

std::int64_t SQLiteDB::LastInsertRowId() const {
    if (handle_ == nullptr) {
        return -1;
    }
    return sqlite3_last_insert_rowid(handle_);
}

}  // namespace quillon
