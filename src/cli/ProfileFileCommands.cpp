#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "cli/ProfileNames.h"
#include "cli/StoreSession.h"
#include "store/ProfileExchangeFile.h"

namespace quillon::cli {

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
    const std::string name = ShownProfileName(session.Store(), profile);
    const bool done = exporting
                          ? ExportProfileFile(session.Store(), profile, name, path, reason)
                          : ImportProfileFile(session.Store(), profile, path, reason, withoutMacro);
    if (!done) {
        return context.Fail(kExitFailure, reason);
    }
    if (context.options.json) {
        Json object = {{"profile", profile}, {"name", name}, {"file", path}};
        if (!exporting) {
            object["buttons_without_macro"] = withoutMacro;
            object["stored"] = true;
        }
        context.out << JsonLine(object) << "\n";
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
