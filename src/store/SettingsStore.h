#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "store/DatabaseFileCheck.h"
#include "store/Records.h"
#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"

namespace quillon {

// The settings database of the mouse model in use: one connection, the lock that serialises its
// users (the window thread and the device worker), and the operations on its tables. Failures
// come back as false, id 0, empty text or zero records, and LastFailure() says why; the store
// never shows a message.
//
// Every table operation holds the store lock for its whole statement sequence, and every one
// that writes more than one row is one transaction: it lands whole or not at all. The lock is
// recursive, so an operation may call another. Other programs may use the same file at once
// (the window and quillonctl); SQLite's file locks keep them apart, and every connection waits
// up to kBusyTimeoutMs for another's write.
class SettingsStore {
  public:
    // The process's store, created on first use.
    static SettingsStore& Instance();

    SettingsStore() = default;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // ---- Opening (SettingsStore.cpp) ----

    // "<dataFolder>/db/<modelKey>_data_rdn.db".
    static std::string DatabaseFilePath(const std::string& dataFolder, std::string_view modelKey);

    // Opens the model's file, creating it with the schema when it does not exist. When a
    // connection is already open it is kept (whatever file it belongs to) and the result is
    // true. An existing file is first checked read-only: a file that is not one of ours is
    // refused and never written; LastProblem() then says why.
    bool OpenForDevice(const std::string& dataFolder, std::string_view modelKey);
    // What the catalogue's load step calls: closes whatever is open, then OpenForDevice. A key
    // that IsUsableModelKey() refuses opens nothing (LastProblem() is NoModel).
    bool OpenSettingsDatabase(const std::string& dataFolder, std::string_view modelKey);
    // A catalogue's device_attr that names a database: not empty, no control characters.
    static bool IsUsableModelKey(std::string_view modelKey);
    // Creates the file at DatabasePath() with the schema; true when every statement succeeded.
    bool CreateDatabase();
    // Factory reset: OpenForDevice, then ClearAll.
    void OpenAndClear(const std::string& dataFolder, std::string_view modelKey);
    void Close();

    bool IsOpened() const;
    std::string DatabasePath() const;
    // Why the last open failed; Ours when it did not.
    DatabaseFileState LastProblem() const;

    // Runs `writes` (calls of the operations below) as one write transaction under the store
    // lock: a device read stores some seventy rows with one commit instead of seventy, an import
    // lands whole. Committed only when every step inside succeeded, else rolled back; true when
    // committed. Nests (as a savepoint of the outer one). Keep device traffic out of `writes`, or
    // the window thread waits on the mouse.
    bool InOneTransaction(const std::function<void()>& writes);

    // SQLite's code for why this thread's last operation failed; 0 when it succeeded. A read that
    // found nothing succeeded: this tells "no such row" from "could not be read". Inside
    // InOneTransaction, the last step that failed.
    int LastFailure() const;
    // A code of LastFailure() for a message: "read-only", "disk full", "busy: ...".
    static std::string DescribeFailure(int code);

    // ---- Schema and defaults (Defaults.cpp) ----

    // The 27 default rows of a profile; keys it already has keep their rows.
    bool InsertDefaultValues(int profile);
    // Writes the restore values back; report_rate follows the connection mode (0 cable).
    bool ResetProfileValues(int profile, int connectionMode);
    // Empties every table (and the optional ones where a file has them) and restarts the ids.
    bool ClearAll();

    // ---- Configuration values (ConfigValues.cpp) ----

    // False with value empty when the key has no row.
    bool GetValue(int profile, std::string_view key, std::string& value);
    // Updates an existing row only; an unknown key stores nothing and still returns true.
    bool SetValue(int profile, std::string_view key, std::string_view value);
    // The same, but false when the profile has no row for the key (LastFailure() is then 0):
    // for callers that report the value as stored.
    bool ReplaceValue(int profile, std::string_view key, std::string_view value);
    // Every key of the profile with its text, in one query; a key with several rows gives its
    // first, as GetValue does. Returns the count.
    using ValueTexts = std::map<std::string, std::string, std::less<>>;
    int LoadValues(int profile, ValueTexts& values);

    // ---- Profiles (ProfileRecords.cpp) ----

    // Inserts the profile (name and app are used) with its default values; new id or 0.
    int AddProfile(const ProfileRecord& record);
    // Replaces the list's contents with every profile in id order; returns the count.
    int LoadProfiles(std::vector<ProfileRecord>& list);
    // Marks the profile active and every other inactive.
    bool SetActiveProfile(int profile);
    // The first profile marked active; 0 when none is.
    int ActiveProfile();
    // The store's part of filling the profile selector: creates the five default profiles when
    // there are none (profile 1 active), makes profile 1 active when none is, and returns the
    // active profile (0 when there is none, e.g. with no database open; LastFailure() then tells
    // a failure from a file without profile 1).
    int EnsureDefaultProfiles();

    // ---- Button assignments (KeyAssignmentRecords.cpp) ----

    // Replaces the button's row; writes none when macro_value and macro_value2 are both 0
    // (the button then has its device default). The new key_id, or 0 when no row was written.
    int SaveKeyAssignment(const KeyAssignment& record);
    bool GetKeyAssignment(int profile, int keyCode, KeyAssignment& record);
    bool SetKeyDescription(int profile, int keyCode, std::string_view text);
    int LoadKeyAssignments(int profile, std::vector<KeyAssignment>& list);
    bool DeleteKeyAssignments(int profile);

    // ---- Macros and their steps (MacroRecords.cpp) ----

    // A macro named name, played once (play_type 0, play_times 1, delay_type 1, delay_time 0).
    int AddMacro(std::string_view name);
    int InsertMacro(const MacroHeader& macro);
    bool SetMacroName(int macroId, std::string_view name);
    // Writes macro's fields under macroId (macro.macro_id is not used).
    bool UpdateMacro(int macroId, const MacroHeader& macro);
    bool GetMacro(int macroId, MacroHeader& macro);
    int LoadMacros(std::vector<MacroHeader>& list);
    // Deletes the macro, then its steps; the steps stay when the macro could not be deleted.
    bool RemoveMacro(int macroId);
    int InsertMacroItem(const MacroItem& item);
    // Inserts every step in one transaction and empties the vector. A step that fails does not
    // stop the others; the result is then false.
    bool InsertMacroItems(std::vector<MacroItem>& items);
    // The macro's steps sorted by record_index.
    int LoadMacroItems(int macroId, std::vector<MacroItem>& list);
    // Every step of every macro sorted by macro_id, then record_index: one query where a
    // download would otherwise run one per macro over an unindexed column.
    int LoadAllMacroItems(std::vector<MacroItem>& list);
    bool DeleteMacroItems(int macroId);

  private:
    bool OpenExisting();
    bool RunSchema();
    void CreateDefaultProfiles();
    void ReadMacroItems(SQLiteStatement& statement, std::vector<MacroItem>& list);
    // Record a step's outcome for LastFailure(). Stepped: the step success test; GotRow: the
    // step gave a row.
    bool Stepped(int rc);
    bool GotRow(int rc);
    void Failed(int rc);
    // Runs a statement with one int parameter; the step success test.
    bool RunWithId(std::string_view sql, int id);
    int InsertedId(int stepResult);

    mutable std::recursive_mutex lock_;
    SQLiteDB connection_;
    std::string path_;
    bool opened_ = false;
    DatabaseFileState problem_ = DatabaseFileState::Ours;
};

}  // namespace quillon
