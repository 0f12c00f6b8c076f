#include <chrono>
#include <string>

#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "platform/InstanceMessage.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"

namespace quillon::cli {
namespace {

// A window takes its socket within moments of its start; longer means none runs.
constexpr std::chrono::milliseconds kWindowPatience{300};

int SendToWindow(CliContext& context, const std::string& command, const InstanceMessage& message) {
    SingleInstance instance(RuntimeFolder());
    switch (instance.Deliver(message, kWindowPatience)) {
        case SingleInstance::Delivery::Sent:
            // Silent in text, as a delivered request needs no words; a script gets its answer.
            if (context.options.json) {
                context.out << JsonLine({{"request", command}, {"delivered", true}}) << "\n";
            }
            return kExitOk;
        case SingleInstance::Delivery::NotRunning:
            return context.Fail(kExitNotRunning,
                                std::string("not running: no ") + kProductName + " window is open");
        case SingleInstance::Delivery::Failed:
            break;
    }
    return context.Fail(kExitFailure, "cannot reach the window over " + instance.socketPath());
}

}  // namespace

int RunShow(CliContext& context, const CommandArgs& /*args*/) {
    InstanceMessage show;
    show.show = true;
    return SendToWindow(context, "show", show);
}

int RunQuit(CliContext& context, const CommandArgs& /*args*/) {
    return SendToWindow(context, "quit", {MSG_QUIT_REQUEST, 0, kQuitRequestLParam, false});
}

}  // namespace quillon::cli
