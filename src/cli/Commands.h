#pragma once

#include "cli/CliContext.h"

namespace quillon::cli {

int RunModels(CliContext& context, const CommandArgs& args);
int RunDevices(CliContext& context, const CommandArgs& args);

// Settings database (ProfileCommands.cpp, ValueCommands.cpp).
int RunProfile(CliContext& context, const CommandArgs& args);
int RunGet(CliContext& context, const CommandArgs& args);
int RunSet(CliContext& context, const CommandArgs& args);
int RunValues(CliContext& context, const CommandArgs& args);
// Named settings in user units (SettingsCommand.cpp).
int RunSettings(CliContext& context, const CommandArgs& args);

// Buttons, macros and exchange files (ButtonCommands.cpp, MacroCommands.cpp,
// ProfileFileCommands.cpp).
int RunButtons(CliContext& context, const CommandArgs& args);
int RunButton(CliContext& context, const CommandArgs& args);
int RunMacro(CliContext& context, const CommandArgs& args);
// The key names macro steps take (KeysCommand.cpp).
int RunKeys(CliContext& context, const CommandArgs& args);
// "profile export FILE" and "profile import FILE".
int RunProfileFile(CliContext& context, const CommandArgs& args);

// Device work (DeviceTaskCommands.cpp, DpiCommands.cpp, WatchCommand.cpp).
int RunRead(CliContext& context, const CommandArgs& args);
int RunApply(CliContext& context, const CommandArgs& args);
int RunInfo(CliContext& context, const CommandArgs& args);
int RunReset(CliContext& context, const CommandArgs& args);
int RunRestoreDefaults(CliContext& context, const CommandArgs& args);
int RunDpi(CliContext& context, const CommandArgs& args);
int RunRate(CliContext& context, const CommandArgs& args);
int RunWatch(CliContext& context, const CommandArgs& args);

// The running window, over its single-instance socket (InstanceCommands.cpp).
int RunShow(CliContext& context, const CommandArgs& args);
int RunQuit(CliContext& context, const CommandArgs& args);

}  // namespace quillon::cli
