#pragma once

#include <string>

#include "cli/CliContext.h"
#include "store/SettingsStore.h"

namespace quillon::cli {

// The settings database of the catalogue's model, opened for one quillonctl command.
//
// Opening reads the device catalogue (--config FILE, else the shipped one), takes the database
// key of the served model, opens "db/<key>_data_rdn.db" under the data folder (--data-dir DIR,
// else the default), creating it when missing, and creates the five default profiles when the
// file has none, exactly as the window's first fill does. A file that is not one of ours is
// refused and left untouched; one that may not be written (read-only file or folder) is refused
// too, since every command either writes or would show what it cannot keep. On any failure the
// session has already printed one line naming the file and the problem, and the command returns
// kExitFailure:
//
//     StoreSession session(context);
//     if (!session.Ok()) {
//         return kExitFailure;
//     }
//     session.Store().GetValue(session.Profile(), "dpi_index", value);
//
// The database is the process's SettingsStore::Instance(), so code that reaches the store that
// way (device tasks) sees the same file. It is closed when the session ends.
class StoreSession {
  public:
    explicit StoreSession(CliContext& context);
    ~StoreSession();
    StoreSession(const StoreSession&) = delete;
    StoreSession& operator=(const StoreSession&) = delete;

    bool Ok() const { return ok_; }
    SettingsStore& Store() const { return store_; }
    // The profile a command works on: --profile N when given, else the active profile. 0 when
    // neither exists (a file edited by hand without profile 1 and with none active).
    int Profile() const { return profile_; }
    int ActiveProfile() const { return active_; }
    const std::string& DatabasePath() const { return path_; }

  private:
    SettingsStore& store_;
    std::string path_;
    int active_ = 0;
    int profile_ = 0;
    bool ok_ = false;
};

// True when the session has a profile to work on; otherwise prints why and returns false.
bool HaveProfile(CliContext& context, const StoreSession& session);

// Print why the store's last operation failed, as one line naming the file ("settings database
// '…' cannot be written: read-only"), and return kExitFailure.
int WriteFailed(CliContext& context, const SettingsStore& store);

// Stores a value the profile already has; kExitOk, or after printing why (the database refused,
// or the profile has no such value) kExitFailure.
int StoreValue(CliContext& context, SettingsStore& store, int profile, const std::string& key,
               const std::string& value);
int ReadFailed(CliContext& context, const SettingsStore& store);

}  // namespace quillon::cli
