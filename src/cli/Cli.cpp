#include "cli/Cli.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "cli/CliContext.h"
#include "cli/TerminalText.h"
#include "platform/NumberText.h"
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
           "  --config FILE         read the device catalogue from FILE instead of the shipped "
           "one\n"
           "  --data-dir DIR        keep the settings databases under DIR instead of the default\n"
           "  --profile N           work on profile N (1-5) instead of the active one\n"
           "  --emulate[=MODES][,state=FILE]\n"
           "                        talk to the virtual mouse instead of real hardware; MODES is\n"
           "                        wired, receiver, receiver-asleep, bluetooth or a '+' list\n"
           "                        (default wired); state=FILE keeps its settings across runs\n"
           "  --yes                 do not ask for confirmation\n"
           "  --once                with watch: print the current state and exit\n"
           "  --no-send             store changes only; 'apply' sends them later\n"
           "\n"
           "Commands:\n";
    for (const Command& command : AllCommands()) {
        out << "  " << command.synopsis << "\n";
    }
    out << "\n"
           "Exit status: 0 success, 1 failure, 2 no configurable mouse connected (show and quit:\n"
           "no window running), 64 usage error.\n";
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

// "-5" is a value, not an option.
bool IsOptionWord(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9');
}

}  // namespace

int CliContext::Fail(int status, const std::string& message) const {
    // Messages quote file names and values from files: a line break in one must not make two.
    err << "quillonctl: " << Shown(message) << "\n";
    return status;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CliContext context{CliOptions{}, out, err};
    CliOptions& options = context.options;
    // Global options may stand anywhere; after "--" every word is taken as it is.
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--") {
            words.insert(words.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        }
        // Macro steps release keys with "-A": words of the step list, not options.
        const bool step = words.size() >= 2 && words[0] == "macro" && words[1] == "steps" &&
                          word.size() > 1 && word[1] != '-';
        if (!IsOptionWord(word) || step) {
            words.push_back(word);
            continue;
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
        } else if (TakeValue(args, i, "--data-dir", value, missing)) {
            if (missing || value.empty()) {
                return context.Fail(kExitUsage, "--data-dir needs a folder");
            }
            options.dataDir = value;
            SetDataFolder(value);
        } else if (TakeValue(args, i, "--profile", value, missing)) {
            int profile = missing ? 0 : ParseLeadingInt(value);
            if (profile < 1 || profile > 5 || std::to_string(profile) != value) {
                return context.Fail(kExitUsage, "--profile needs a number from 1 to 5");
            }
            options.profile = profile;
        } else if (word == "--emulate" || word.rfind("--emulate=", 0) == 0) {
            options.emulate = true;
            options.emulateSpec = word.size() > 10 ? word.substr(10) : std::string();
        } else if (word == "--yes" || word == "-y") {
            options.yes = true;
        } else if (word == "--once") {
            options.once = true;
        } else if (word == "--no-send") {
            options.noSend = true;
        } else {
            return context.Fail(kExitUsage, "unknown option '" + word + "' (see --help)");
        }
    }
    if (words.empty()) {
        PrintHelp(err);
        return kExitUsage;
    }
    const std::string& name = words.front();
    for (const Command& command : AllCommands()) {
        if (name == command.name) {
            const int status = command.run(context, CommandArgs(words.begin() + 1, words.end()));
            // Output that could not be written (a full disk, a closed pipe) is a failure too.
            out.flush();
            if (!out) {
                return context.Fail(
                    kExitFailure, std::string("cannot write the output: ") + std::strerror(errno));
            }
            return status;
        }
    }
    return context.Fail(kExitUsage, "unknown command '" + name + "' (see --help)");
}

}  // namespace quillon::cli
