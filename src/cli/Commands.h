#pragma once

#include "cli/CliContext.h"

namespace quillon::cli {

int RunModels(CliContext& context, const CommandArgs& args);
int RunDevices(CliContext& context, const CommandArgs& args);

}  // namespace quillon::cli
