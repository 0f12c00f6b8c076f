#include "cli/StoreSession.h"

#include "device/DeviceCatalogue.h"
#include "platform/Paths.h"

namespace quillon::cli {

StoreSession::StoreSession(CliContext& context) : store_(SettingsStore::Instance()) {
    const std::string cataloguePath =
        context.options.configFile.empty() ? DefaultCataloguePath() : context.options.configFile;
    DeviceCatalogue catalogue;
    if (!catalogue.Load(cataloguePath)) {
        context.Fail(kExitFailure, "cannot read the device catalogue: " + catalogue.LoadError());
        return;
    }
    const std::string key = catalogue.DatabaseKey(DeviceCatalogue::kServedDeviceType);
    // Without a model of the served family there is no database of its own to open.
    if (!SettingsStore::IsUsableModelKey(key)) {
        context.Fail(kExitFailure,
                     "the device catalogue '" + cataloguePath + "' names no supported model (" +
                         (key.empty() ? std::string("no model of device type ") +
                                            std::to_string(DeviceCatalogue::kServedDeviceType) +
                                            " with a device_attr"
                                      : std::string("its device_attr holds control characters")) +
                         ")");
        return;
    }
    bool opened = store_.OpenSettingsDatabase(DataFolder(), key);
    path_ = store_.DatabasePath();
    if (!opened) {
        DatabaseFileState problem = store_.LastProblem();
        bool refused = problem == DatabaseFileState::NotDatabase ||
                       problem == DatabaseFileState::Damaged ||
                       problem == DatabaseFileState::Foreign;
        std::string what(DescribeProblem(problem));
        context.Fail(kExitFailure, "settings database '" + path_ + "' " +
                                       (what.empty() ? "cannot be opened" : what) +
                                       (refused ? "; it was left untouched" : ""));
        store_.Close();
        return;
    }
    active_ = store_.EnsureDefaultProfiles();
    if (store_.LastFailure() != kSqlOk) {
        context.Fail(kExitFailure, "settings database '" + path_ + "' cannot be prepared: " +
                                       SettingsStore::DescribeFailure(store_.LastFailure()));
        store_.Close();
        return;
    }
    profile_ = context.options.profile != 0 ? context.options.profile : active_;
    ok_ = true;
}

StoreSession::~StoreSession() {
    store_.Close();
}

bool HaveProfile(CliContext& context, const StoreSession& session) {
    if (session.Profile() > 0) {
        return true;
    }
    context.Fail(kExitFailure, "no profile is active; choose one with 'profile use N'");
    return false;
}

int WriteFailed(CliContext& context, const SettingsStore& store) {
    return context.Fail(kExitFailure, "settings database '" + store.DatabasePath() +
                                          "' cannot be written: " +
                                          SettingsStore::DescribeFailure(store.LastFailure()) +
                                          "; nothing was changed");
}

int StoreValue(CliContext& context, SettingsStore& store, int profile, const std::string& key,
               const std::string& value) {
    if (store.ReplaceValue(profile, key, value)) {
        return kExitOk;
    }
    if (store.LastFailure() != kSqlOk) {
        return WriteFailed(context, store);
    }
    // The store only updates rows that exist, so an unknown key would silently do nothing.
    return context.Fail(kExitFailure,
                        "unknown key '" + key + "': profile " + std::to_string(profile) +
                            " has no such value, and set changes existing values only");
}

int ReadFailed(CliContext& context, const SettingsStore& store) {
    return context.Fail(kExitFailure, "settings database '" + store.DatabasePath() +
                                          "' cannot be read: " +
                                          SettingsStore::DescribeFailure(store.LastFailure()));
}

}  // namespace quillon::cli
