#pragma once

#include "cli/CliContext.h"
#include "device/DeviceCatalogue.h"

namespace quillon::cli {

// Reads the device catalogue: --config FILE, else the shipped one. A catalogue the user named
// must be read: when it cannot be, the reason is printed and the result is false. The shipped
// one may be missing (a bare build tree): a warning naming `consequence` is printed and the
// lists stay empty.
bool LoadCatalogue(CliContext& context, DeviceCatalogue& catalogue, const char* consequence);

}  // namespace quillon::cli
