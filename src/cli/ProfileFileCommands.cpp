#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/ProfileNames.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
#include "store/ProfileExchangeFile.h"

namespace quillon::cli {
namespace {

int ExportProfile(CliContext& context, const std::string& path) {
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    const int profile = session.Profile();
    const std::string name = ShownProfileName(session.Store(), profile);
    std::string reason;
    if (!ExportProfileFile(session.Store(), profile, name, path, reason)) {
        return context.Fail(kExitFailure, reason);
    }
    if (context.options.json) {
        context.out << JsonLine({{"profile", profile}, {"name", name}, {"file", path}}) << "\n";
    } else {
        context.out << "profile " << profile << " written to " << path << "\n";
    }
    return kExitOk;
}

// The imported buttons and settings reach the mouse as the profile's own changes do.
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
    for (int keyCode : withoutMacro) {
        what += "; button " + std::to_string(keyCode) +
                " plays a macro this database does not have: import that macro or assign the "
                "button anew";
    }
    return StoredThenSent(context, session, what, kWholeProfileParts,
                          {{"profile", profile},
                           {"name", ShownProfileName(session.Store(), profile)},
                           {"file", path},
                           {"buttons_without_macro", withoutMacro}});
}

}  // namespace

int RunProfileFile(CliContext& context, const CommandArgs& args) {
    return args[0] == "export" ? ExportProfile(context, args[1]) : ImportProfile(context, args[1]);
}

}  // namespace quillon::cli
