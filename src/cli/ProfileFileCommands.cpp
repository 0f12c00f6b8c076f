#include "cli/Commands.h"
#include "cli/EnglishTexts.h"
#include "cli/Json.h"
#include "cli/StoreSession.h"
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

}  // namespace

int RunProfileFile(CliContext& context, const CommandArgs& args) {
    const bool exporting = args[0] == "export";
    const std::string& path = args[1];
    StoreSession session(context);
    if (!session.Ok() || !HaveProfile(context, session)) {
        return kExitFailure;
    }
    const int profile = session.Profile();
    std::string reason;
    const bool done = exporting
                          ? ExportProfileFile(session.Store(), profile,
                                              ShownName(session.Store(), profile), path, reason)
                          : ImportProfileFile(session.Store(), profile, path, reason);
    if (!done) {
        return context.Fail(kExitFailure, reason);
    }
    if (context.options.json) {
        context.out << Json::MakeObject().Set("profile", profile).Set("file", path).Dump() << "\n";
    } else if (exporting) {
        context.out << "profile " << profile << " written to " << path << "\n";
    } else {
        context.out << "profile " << profile << " loaded from " << path
                    << " (sent to the mouse with the next apply)\n";
    }
    return kExitOk;
}

}  // namespace quillon::cli
