#include "cli/StoredThenSent.h"

#include "cli/Json.h"

namespace quillon::cli {

int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   void (CommandSet::*send)()) {
    bool sent = session.HasMouse();
    if (sent) {
        if (int status = session.HoldMouse("the value is stored; apply sends it later");
            status != kExitOk) {
            return status;
        }
        (session.Commands().*send)();
        if (int status = session.CheckAnswered("the value is stored; apply to send it again");
            status != kExitOk) {
            return status;
        }
    }
    if (context.options.json) {
        context.out << Json::MakeObject()
                           .Set("profile", session.Profile())
                           .Set("stored", true)
                           .Set("sent", sent)
                           .Dump()
                    << "\n";
    } else if (sent) {
        context.out << what << ", stored and sent to the mouse.\n";
    } else {
        context.out << what
                    << ", stored; no configurable mouse is connected, so it was not "
                       "sent.\n";
    }
    return kExitOk;
}

}  // namespace quillon::cli
