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
    std::vector<int> withoutMacro;
    const bool done = exporting
                          ? ExportProfileFile(session.Store(), profile,
                                              ShownName(session.Store(), profile), path, reason)
                          : ImportProfileFile(session.Store(), profile, path, reason, withoutMacro);
    if (!done) {
        return context.Fail(kExitFailure, reason);
    }
    if (context.options.json) {
        Json object = Json::MakeObject().Set("profile", profile).Set("file", path);
        if (!exporting) {
            Json buttons = Json::MakeArray();
            for (int keyCode : withoutMacro) {
                buttons.Push(keyCode);
            }
            object.Set("buttons_without_macro", std::move(buttons));
        }
        context.out << object.Dump() << "\n";
    } else if (exporting) {
        context.out << "profile " << profile << " written to " << path << "\n";
    } else {
        context.out << "profile " << profile << " loaded from " << path
                    << " (sent to the mouse with the next apply)\n";
        for (int keyCode : withoutMacro) {
            context.out << "button " << keyCode
                        << " plays a macro this database does not have; import that macro or "
                           "assign the button anew\n";
        }
    }
    return kExitOk;
}

}  // namespace quillon::cli
