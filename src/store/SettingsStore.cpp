#include "store/SettingsStore.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "store/SQLiteStatement.h"
#include "store/SQLiteWriteTransaction.h"
#include "store/Schema.h"

namespace quillon {
namespace {

// Kept per thread: the window thread and the device worker each ask about their own operations.
thread_local int tLastFailure = kSqlOk;
thread_local unsigned tFailedSteps = 0;

// True when this process may not write `path` (the file, or the folder that must take the
// write-ahead log beside it). A missing file counts as writable.
bool ReadOnlyPath(const std::string& path) {
    return ::access(path.c_str(), W_OK) != 0 &&
           (errno == EACCES || errno == EROFS || errno == EPERM);
}

// Why a database folder could not be made: a file where it or a folder above it should be, a
// folder above that may not be written, or anything else.
DatabaseFileState FolderProblem(std::filesystem::path folder) {
    std::error_code ec;
    for (; !folder.empty(); folder = folder.parent_path()) {
        if (std::filesystem::exists(folder, ec)) {
            if (!std::filesystem::is_directory(folder, ec)) {
                return DatabaseFileState::NotAFolder;
            }
            return ReadOnlyPath(folder.string()) ? DatabaseFileState::ReadOnly
                                                 : DatabaseFileState::Unwritable;
        }
        if (folder == folder.parent_path()) {
            break;
        }
    }
    return DatabaseFileState::Unwritable;
}

}  // namespace

SettingsStore& SettingsStore::Instance() {
    static SettingsStore store;
    return store;
}

std::string SettingsStore::DatabaseFilePath(const std::string& dataFolder,
                                            std::string_view modelKey) {
    // The key comes from the catalogue file: a separator in it must not lead out of db/.
    std::string name(modelKey);
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == '\0') {
            c = '_';
        }
    }
    return WithTrailingSlash(dataFolder) + "db/" + name + "_data_rdn.db";
}

bool SettingsStore::OpenForDevice(const std::string& dataFolder, std::string_view modelKey) {
    std::lock_guard guard(lock_);
    path_ = DatabaseFilePath(dataFolder, modelKey);
    problem_ = DatabaseFileState::Ours;
    std::error_code ec;
    bool result = false;
    if (std::filesystem::exists(path_, ec)) {
        result = connection_.IsOpen() || OpenExisting();
    } else {
        const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
        if (CreateFolderPath(folder.string())) {
            result = CreateDatabase();
        } else {
            problem_ = FolderProblem(folder);
        }
    }
    opened_ = result;
    return result;
}

bool SettingsStore::OpenSettingsDatabase(const std::string& dataFolder, std::string_view modelKey) {
    std::lock_guard guard(lock_);
    // Closed even when the last open failed: a connection left open by a failed creation must
    // not stand in for the new model's file.
    Close();
    if (!IsUsableModelKey(modelKey)) {
        path_.clear();
        problem_ = DatabaseFileState::NoModel;
        return false;
    }
    return OpenForDevice(dataFolder, modelKey);
}

bool SettingsStore::IsUsableModelKey(std::string_view modelKey) {
    return !modelKey.empty() && std::none_of(modelKey.begin(), modelKey.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
}

bool SettingsStore::OpenExisting() {
    // Before the check: in a folder that cannot take the log, even reading fails.
    if (ReadOnlyPath(std::filesystem::path(path_).parent_path().string()) || ReadOnlyPath(path_)) {
        problem_ = DatabaseFileState::ReadOnly;
        return false;
    }
    problem_ = CheckDatabaseFile(path_);
    if (problem_ != DatabaseFileState::Ours && problem_ != DatabaseFileState::Incomplete) {
        return false;
    }
    bool complete = problem_ == DatabaseFileState::Ours;
    if (!connection_.Open(path_, kOpenReadWrite | kOpenFullMutex)) {
        problem_ = DatabaseFileState::Unreadable;
        return false;
    }
    // SQLite opens a file it may not write read-only without saying so.
    if (connection_.IsReadOnly()) {
        problem_ = DatabaseFileState::ReadOnly;
        connection_.Close();
        return false;
    }
    problem_ = DatabaseFileState::Ours;
    return complete || RunSchema();
}

bool SettingsStore::CreateDatabase() {
    std::lock_guard guard(lock_);
    if (connection_.IsOpen()) {
        return true;
    }
    if (ReadOnlyPath(std::filesystem::path(path_).parent_path().string())) {
        problem_ = DatabaseFileState::ReadOnly;
        return false;
    }
    if (!connection_.Open(path_, kOpenReadWrite | kOpenCreate | kOpenFullMutex)) {
        problem_ = DatabaseFileState::Unwritable;
        return false;
    }
    return RunSchema();
}

bool SettingsStore::RunSchema() {
    // One transaction: processes creating the same file at once each see it whole or absent.
    const bool created = InOneTransaction([this] {
        for (std::string_view statement : SchemaStatements()) {
            Stepped(connection_.Exec(std::string(statement)));
        }
    });
    if (!created) {
        const int failure = LastFailure();
        problem_ = failure == kSqlBusy || failure == kSqlLocked ? DatabaseFileState::Busy
                   : failure == kSqlReadOnly                    ? DatabaseFileState::ReadOnly
                                                                : DatabaseFileState::Unwritable;
    }
    return created;
}

void SettingsStore::OpenAndClear(const std::string& dataFolder, std::string_view modelKey) {
    std::lock_guard guard(lock_);
    OpenForDevice(dataFolder, modelKey);
    ClearAll();
}

bool SettingsStore::InOneTransaction(const std::function<void()>& writes) {
    std::lock_guard guard(lock_);
    // Only the outermost transaction clears the last failure: a nested one that succeeds must
    // not hide a step of the enclosing one that failed before it.
    const bool outermost = !connection_.InTransaction();
    SQLiteWriteTransaction transaction(connection_);
    if (transaction.BeginResult() != kSqlOk) {
        Failed(transaction.BeginResult());
        return false;
    }
    if (outermost) {
        tLastFailure = kSqlOk;
    }
    const unsigned failedBefore = tFailedSteps;
    writes();
    if (tFailedSteps != failedBefore) {
        return false;
    }
    if (const int rc = transaction.Commit(); rc != kSqlOk) {
        Failed(rc);
        return false;
    }
    return true;
}

int SettingsStore::LastFailure() const {
    return tLastFailure;
}

std::string SettingsStore::DescribeFailure(int code) {
    switch (code) {
        case kSqlBusy:
        case kSqlLocked:
            return "busy: another program has kept it locked for more than " +
                   std::to_string(kBusyTimeoutMs / 1000) + " s";
        case kSqlReadOnly:
            return "read-only";
        case SQLITE_FULL:
            return "disk full";
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return "permission denied";
        case SQLITE_CANTOPEN:
            return "the file or its folder cannot be opened";
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return "the file is damaged";
        case kSqlMisuse:
            return "it is not open";
        default:
            return sqlite3_errstr(code);
    }
}

bool SettingsStore::Stepped(int rc) {
    if (!StepSucceeded(rc)) {
        Failed(rc);
        return false;
    }
    // Inside a transaction a success does not hide a step that failed before it.
    if (!connection_.InTransaction()) {
        tLastFailure = kSqlOk;
    }
    return true;
}

bool SettingsStore::GotRow(int rc) {
    return Stepped(rc) && rc == kSqlRow;
}

void SettingsStore::Failed(int rc) {
    // An unprepared statement steps with SQLITE_MISUSE; the connection knows why preparing failed.
    if (rc == kSqlMisuse && connection_.IsOpen() && connection_.ErrorCode() != kSqlOk) {
        rc = connection_.ErrorCode();
    }
    tLastFailure = rc;
    ++tFailedSteps;
}

void SettingsStore::Close() {
    std::lock_guard guard(lock_);
    connection_.Close();
    opened_ = false;
}

bool SettingsStore::IsOpened() const {
    std::lock_guard guard(lock_);
    return opened_;
}

std::string SettingsStore::DatabasePath() const {
    std::lock_guard guard(lock_);
    return path_;
}

DatabaseFileState SettingsStore::LastProblem() const {
    std::lock_guard guard(lock_);
    return problem_;
}

bool SettingsStore::RunWithId(std::string_view sql, int id) {
    std::lock_guard guard(lock_);
    CachedStatement statement = connection_.Cached(sql);
    statement->BindInt(1, id);
    return Stepped(statement->Step());
}

int SettingsStore::InsertedId(int stepResult) {
    return Stepped(stepResult) ? static_cast<int>(connection_.LastInsertRowId()) : 0;
}

}  // namespace quillon
