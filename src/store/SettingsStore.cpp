#include "store/SettingsStore.h"

#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteStatement.h"
#include "store/Schema.h"

namespace quillon {

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
        CreateFolderPath(std::filesystem::path(path_).parent_path().string());
        result = CreateDatabase();
    }
    opened_ = result;
    return result;
}

bool SettingsStore::OpenSettingsDatabase(const std::string& dataFolder, std::string_view modelKey) {
    std::lock_guard guard(lock_);
    // Closed even when the last open failed: a connection left open by a failed creation must
    // not stand in for the new model's file.
    Close();
    return OpenForDevice(dataFolder, modelKey);
}

bool SettingsStore::OpenExisting() {
    problem_ = CheckDatabaseFile(path_);
    if (problem_ != DatabaseFileState::Ours && problem_ != DatabaseFileState::Incomplete) {
        return false;
    }
    bool complete = problem_ == DatabaseFileState::Ours;
    if (!connection_.Open(path_, kOpenReadWrite | kOpenFullMutex)) {
        problem_ = DatabaseFileState::Unreadable;
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
    if (!connection_.Open(path_, kOpenReadWrite | kOpenCreate | kOpenFullMutex)) {
        problem_ = DatabaseFileState::Unwritable;
        return false;
    }
    return RunSchema();
}

bool SettingsStore::RunSchema() {
    bool allRan = true;
    for (std::string_view statement : SchemaStatements()) {
        allRan = connection_.Exec(std::string(statement)) == kSqlOk && allRan;
    }
    if (!allRan) {
        problem_ = DatabaseFileState::Unwritable;
    }
    return allRan;
}

void SettingsStore::OpenAndClear(const std::string& dataFolder, std::string_view modelKey) {
    std::lock_guard guard(lock_);
    OpenForDevice(dataFolder, modelKey);
    ClearAll();
}

void SettingsStore::InOneTransaction(const std::function<void()>& writes) {
    std::lock_guard guard(lock_);
    SQLiteAutoTransaction transaction(&connection_);
    writes();
    transaction.Commit();
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
    SQLiteStatement statement;
    connection_.Prepare(statement, sql);
    statement.BindInt(1, id);
    return StepSucceeded(statement.Step());
}

int SettingsStore::InsertedId(int stepResult) {
    return StepSucceeded(stepResult) ? static_cast<int>(connection_.LastInsertRowId()) : 0;
}

}  // namespace quillon
