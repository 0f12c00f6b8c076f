#pragma once

#include "cli/CliContext.h"

namespace quillon::cli {



}  // namespace quillon::cli
