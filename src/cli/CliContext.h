#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quillon::cli {

// Exit statuses of quillonctl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;     // the command could not do its work
inline constexpr int kExitNoDevice = 2;    // no configurable mouse is connected
inline constexpr int kExitNotRunning = 2;  // show, quit: no window runs
inline constexpr int kExitUsage = 64;      // the command line itself is wrong

struct CliOptions {
    bool json = false;
    bool yes = false;
    bool once = false;       // watch: the current state, then exit
    bool noSend = false;     // changes are stored only
    std::string configFile;  // catalogue to read instead of the shipped one
    std::string dataDir;     // data folder instead of the default
    int profile = 0;         // 0: the active profile
    bool emulate = false;
    std::string emulateSpec;  // what followed "--emulate=", empty for the default
};

struct CliContext {
    CliOptions options;
    std::ostream& out;
    std::ostream& err;

    // Prints "quillonctl: <message>" on stderr and returns the status, for one-line returns.
    int Fail(int status, const std::string& message) const;
};

using CommandArgs = std::vector<std::string>;

struct Command {
    const char* name;
    const char* synopsis;  // shown by --help, one line per form
    int (*run)(CliContext& context, const CommandArgs& args);
};

// Every command, in the order --help lists them.
const std::vector<Command>& AllCommands();

}  // namespace quillon::cli
