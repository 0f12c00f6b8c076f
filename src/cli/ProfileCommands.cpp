#include <algorithm>
#include <iomanip>
#include <sstream>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/ProfileNames.h"
#include "cli/StoreSession.h"
#include "cli/TerminalText.h"
#include "platform/NumberText.h"

namespace quillon::cli {
namespace {

int ListProfiles(CliContext& context, StoreSession& session) {
    std::vector<ProfileRecord> profiles;
    session.Store().LoadProfiles(profiles);
    if (context.options.json) {
        Json list = Json::array();
        for (const ProfileRecord& profile : profiles) {
            list.push_back({{"profile", profile.profile},
                            {"name", ShownProfileName(profile)},
                            {"active", profile.status == 1}});
        }
        context.out << JsonLine({{"profiles", list}}) << "\n";
        return kExitOk;
    }
    context.out << "id  name        status\n";
    for (const ProfileRecord& profile : profiles) {
        std::ostringstream line;
        line << std::left << std::setw(3) << profile.profile << " " << std::setw(11)
             << Shown(ShownProfileName(profile)) << " " << (profile.status == 1 ? "active" : "");
        std::string text = line.str();
        text.erase(text.find_last_not_of(' ') + 1);
        context.out << text << "\n";
    }
    return kExitOk;
}

int UseProfile(CliContext& context, StoreSession& session, const std::string& word) {
    int id = ParseLeadingInt(word);
    if (std::to_string(id) != word || id < 1) {
        return context.Fail(kExitUsage, "'profile use' needs a profile number, not '" + word + "'");
    }
    std::vector<ProfileRecord> profiles;
    session.Store().LoadProfiles(profiles);
    bool exists = std::any_of(profiles.begin(), profiles.end(),
                              [id](const ProfileRecord& p) { return p.profile == id; });
    if (!exists) {
        return context.Fail(kExitFailure, "there is no profile " + word + " (see 'profile list')");
    }
    if (!session.Store().SetActiveProfile(id)) {
        return WriteFailed(context, session.Store());
    }
    if (context.options.json) {
        context.out << JsonLine({{"profile", id},
                                 {"name", ShownProfileName(session.Store(), id)},
                                 {"active", true},
                                 {"stored", true}})
                    << "\n";
    } else {
        context.out << "profile " << id << " is now active\n";
    }
    return kExitOk;
}

}  // namespace

int RunProfile(CliContext& context, const CommandArgs& args) {
    bool list = args.size() == 1 && args[0] == "list";
    bool use = args.size() == 2 && args[0] == "use";
    if (args.size() == 2 && (args[0] == "export" || args[0] == "import")) {
        return RunProfileFile(context, args);
    }
    if (!list && !use) {
        return context.Fail(kExitUsage,
                            "usage: profile list | profile use N | profile export FILE | "
                            "profile import FILE");
    }
    StoreSession session(context);
    if (!session.Ok()) {
        return kExitFailure;
    }
    return list ? ListProfiles(context, session) : UseProfile(context, session, args[1]);
}

}  // namespace quillon::cli
