#include "cli/Commands.h"
#include "cli/EnglishTexts.h"
#include "cli/Json.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
#include "platform/NumberText.h"
#include "store/ProfileExchangeFile.h"

namespace quillon::cli {
namespace {

// The profile's name as the window's profile selector shows it.
std::string ShownName(SettingsStore& store, int profile) {
    std::vector<ProfileRecord> profiles;
    store.LoadProfiles(profiles);
    for (const ProfileRecord& record : profiles) {
        if (record.profile == profile) {
            const std::string text = EnglishText(ParseLeadingInt(record.name));
            return text.empty() ? record.name : text;
        }
    }
    return {};
}

int ExportProfile(CliContext& context, const std::string& path) {
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    const int profile = session.Profile();
    std::string reason;
    if (!ExportProfileFile(session.Store(), profile, ShownName(session.Store(), profile), path,
                           reason)) {
        return context.Fail(kExitFailure, reason);
    }
    if (context.options.json) {
        context.out << Json::MakeObject().Set("profile", profile).Set("file", path).Dump() << "\n";
    } else {
        context.out << "profile " << profile << " written to " << path << "\n";
    }
    return kExitOk;
}

int ImportProfile(CliContext& context, const std::string& path) {
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    if (!HaveProfile(context, session.Database())) {
        return kExitFailure;
    }
    const int profile = session.Profile();
    std::string reason;
    std::vector<int> withoutMacro;
    if (!ImportProfileFile(session.Store(), profile, path, reason, withoutMacro)) {
        return context.Fail(kExitFailure, reason);
    }
    std::string what = "profile " + std::to_string(profile) + " loaded from " + path;
    Json buttons = Json::MakeArray();
    for (int keyCode : withoutMacro) {
        what += "; button " + std::to_string(keyCode) +
                " plays a macro this database does not have: import that macro or assign the "
                "button anew";
        buttons.Push(keyCode);
    }
    return StoredThenSent(context, session, what, kWholeProfileParts,
                          Json::MakeObject()
                              .Set("profile", profile)
                              .Set("file", path)
                              .Set("buttons_without_macro", std::move(buttons)));
}

}  // namespace

int RunProfileFile(CliContext& context, const CommandArgs& args) {
    return args[0] == "export" ? ExportProfile(context, args[1]) : ImportProfile(context, args[1]);
}

}  // namespace quillon::cli
