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
        {"profile",
         "profile list           the profiles of the mouse model, the active one marked\n"
         "  profile use N          make profile N the active one",
         RunProfile},
        {"get", "get KEY                one setting of the profile (see values for the keys)",
         RunGet},
        {"set", "set KEY VALUE          change one setting of the profile (a whole number)",
         RunSet},
        {"values", "values                 every setting of the profile", RunValues},
    };
    return commands;
}

}  // namespace quillon::cli
