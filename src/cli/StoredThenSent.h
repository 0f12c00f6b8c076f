#pragma once

#include <string>

#include "cli/CliContext.h"
#include "cli/WorkerSession.h"

namespace quillon::cli {

// After a change was stored: sends it with `send` when a mouse takes commands, and prints
// which of the two happened (`what` names the change).
int StoredThenSent(CliContext& context, WorkerSession& session, const std::string& what,
                   void (CommandSet::*send)());

}  // namespace quillon::cli
