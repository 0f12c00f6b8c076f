#include "cli/Commands.h"
#include "cli/JsonLine.h"
#include "input/NamedKeys.h"

namespace quillon::cli {

int RunKeys(CliContext& context, const CommandArgs& /*args*/) {
    if (context.options.json) {
        Json keys = Json::array();
        for (const CapturedKey& key : NamedKeys()) {
            keys.push_back({{"name", key.name}, {"virtual_key", key.code}});
        }
        context.out << JsonLine({{"keys", keys}}) << "\n";
        return kExitOk;
    }
    context.out << "Key names for macro steps (+NAME press, -NAME release; case does not "
                   "matter), and mouse buttons LB, RB, MB, Backward, Forward:\n";
    for (const CapturedKey& key : NamedKeys()) {
        context.out << "  " << key.name << "\n";
    }
    return kExitOk;
}

}  // namespace quillon::cli
