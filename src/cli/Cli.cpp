#include "cli/Cli.h"

#include <cstdlib>

#include "cli/CliContext.h"
#include "platform/Paths.h"

namespace quillon::cli {
namespace {

void PrintHelp(std::ostream& out) {
    out << "Usage: quillonctl [OPTIONS] COMMAND [ARGS]\n"
           "Configure Quillon gaming mice from the command line.\n"
           "\n"
           "Options:\n"
           "  --help                show this help and exit\n"
           "  --version             show the version and exit\n"
           "  --json                print machine-readable JSON instead of text\n"
           "  --config FILE         read the device catalogue from FILE instead of the shipped one\n"
           "\n"
           "Commands:\n";
    for (const Command& command : AllCommands()) {
        out << "  " << command.synopsis << "\n";
    }
    out << "\n"
           "Exit status: 0 success, 1 failure, 2 no configurable mouse connected, 64 usage error.\n";
}

// Takes the value of "--name VALUE" or "--name=VALUE"; false when the word is not that option.
bool TakeValue(const std::vector<std::string>& args, size_t& i, const std::string& name,
               std::string& value, bool& missing) {
    const std::string& word = args[i];
    if (word == name) {
        if (i + 1 >= args.size()) {
            missing = true;
            return true;
        }
        value = args[++i];
        return true;
    }
    if (word.rfind(name + "=", 0) == 0) {
        value = word.substr(name.size() + 1);
        return true;
    }
    return false;
}

}  // namespace

int CliContext::Fail(int status, const std::string& message) const {
    err << "quillonctl: " << message << "\n";
    return status;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CliContext context{CliOptions{}, out, err};
    CliOptions& options = context.options;
    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.empty() || word[0] != '-') {
            break;
        }
        std::string value;
        bool missing = false;
        if (word == "--help" || word == "-h") {
            PrintHelp(out);
            return kExitOk;
        } else if (word == "--version") {
            out << "quillonctl " << QUILLON_VERSION << " (" << kProductName << ")\n";
            return kExitOk;
        } else if (word == "--json") {
            options.json = true;
        } else if (TakeValue(args, i, "--config", value, missing)) {
            if (missing) {
                return context.Fail(kExitUsage, "--config needs a file name");
            }
            options.configFile = value;
        } else {
            return context.Fail(kExitUsage, "unknown option '" + word + "' (see --help)");
        }
    }
    if (i >= args.size()) {
        PrintHelp(err);
        return kExitUsage;
    }
    const std::string& name = args[i];
    for (const Command& command : AllCommands()) {
        if (name == command.name) {
            CommandArgs rest(args.begin() + static_cast<long>(i) + 1, args.end());
            return command.run(context, rest);
        }
    }
    return context.Fail(kExitUsage, "unknown command '" + name + "' (see --help)");
}

}  // namespace quillon::cli
