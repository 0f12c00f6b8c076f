#include "app/AppCommandLine.h"

#include "platform/CommandLine.h"

namespace quillon {

AppCommandLine ParseAppCommandLine(const std::vector<std::string>& arguments) {
    AppCommandLine line;
    line.hide = HasHideSwitch(arguments);
    for (const std::string& word : arguments) {
        if (word == "--help" || word == "-h") {
            line.help = true;
        } else if (word == "--version") {
            line.version = true;
        } else if (word == "--emulate" || word.rfind("--emulate=", 0) == 0) {
            line.emulate = true;
            line.emulateSpec = word.size() > 10 ? word.substr(10) : std::string();
        }
    }
    return line;
}

std::string AppHelpText() {
    return "Usage: quillon-mouse [OPTIONS]\n"
           "Configures Quillon gaming mice: DPI stages, report rate, buttons, macros, profiles.\n"
           "One copy runs per user; starting it again brings the running window forward.\n"
           "\n"
           "  -hide                 start with the window hidden (also inside a longer word)\n"
           "  --emulate[=MODES][,state=FILE]\n"
           "                        use a virtual mouse instead of real hardware; MODES: wired,\n"
           "                        receiver, receiver-asleep, bluetooth, or several joined by\n"
           "                        '+'; state=FILE keeps its settings in FILE across runs\n"
           "  --help                show this text and exit\n"
           "  --version             show the version and exit\n"
           "\n"
           "quillonctl offers the same settings on the command line.\n";
}

}  // namespace quillon
