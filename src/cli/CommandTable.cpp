#include "cli/CliContext.h"
#include "cli/Commands.h"

namespace quillon::cli {

const std::vector<Command>& AllCommands() {
    static const std::vector<Command> commands = {
        {"models", "models                 list supported models, connection modes, software info",
         RunModels},
        {"devices",
         "devices                list supported interfaces found and the active connection",
         RunDevices},
    };
    return commands;
}

}  // namespace quillon::cli
