#pragma once

#include <string>
#include <vector>

namespace quillon {

// What quillon-mouse's command line asks for. Words it does not know are left alone: Qt reads
// its own (-platform, -style...), and "-hide" counts anywhere, also inside a longer word.
struct AppCommandLine {
    bool help = false;
    bool version = false;
    bool hide = false;
    bool emulate = false;
    std::string emulateSpec;  // what followed "--emulate=", empty for the default (wired)
};

// `arguments` without the program's name.
AppCommandLine ParseAppCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string AppHelpText();

}  // namespace quillon
