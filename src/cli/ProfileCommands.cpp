#include <algorithm>
#include <iomanip>
#include <sstream>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/ProfileNames.h"
#include "cli/StoreSession.h"
#include "cli/StoredThenSent.h"
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

// The mouse plays one profile: the new active one's settings are sent as it becomes active.
int UseProfile(CliContext& context, const std::string& word) {
    const int id = ParseLeadingInt(word);
    context.options.profile = id;
    WorkerSession session(context);
    if (int status = session.Open(); status != kExitOk) {
        return status;
    }
    std::vector<ProfileRecord> profiles;
    session.Store().LoadProfiles(profiles);
    bool exists = std::any_of(profiles.begin(), profiles.end(),
                              [id](const ProfileRecord& p) { return p.profile == id; });
    if (!exists) {
        return context.Fail(kExitFailure,
                            "there is no profile " + std::to_string(id) + " (see 'profile list')");
    }
    if (!session.Store().SetActiveProfile(id)) {
        return WriteFailed(context, session.Store());
    }
    return StoredThenSent(
        context, session, "profile " + std::to_string(id) + " is now active", kProfileParts,
        {{"profile", id}, {"name", ShownProfileName(session.Store(), id)}, {"active", true}});
}

}  // namespace

int RunProfile(CliContext& context, const CommandArgs& args) {
    if (args[0] == "export" || args[0] == "import") {
        return RunProfileFile(context, args);
    }
    if (args[0] == "use") {
        return UseProfile(context, args[1]);
    }
    StoreSession session(context);
    if (!session.Ok()) {
        return kExitFailure;
    }
    return ListProfiles(context, session);
}

}  // namespace quillon::cli
