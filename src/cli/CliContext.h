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

// The words after a command's name ("use", "3" for "profile use 3"), already checked against
// the form's arguments.
using CommandArgs = std::vector<std::string>;

// What one argument of a command form accepts; the command line refuses anything else with the
// usage status before the command runs.
struct ArgumentValues {
    enum class Kind { NonEmptyText, Whole, Choice };
    Kind kind = Kind::NonEmptyText;
    int min = 0;  // Whole: the allowed range
    int max = 0;
    std::vector<int> choices;  // Choice: the allowed numbers

    static ArgumentValues NonEmpty() { return {Kind::NonEmptyText, 0, 0, {}}; }
    static ArgumentValues Range(int low, int high) { return {Kind::Whole, low, high, {}}; }
    static ArgumentValues OneOf(std::vector<int> numbers) {
        return {Kind::Choice, 0, 0, std::move(numbers)};
    }
};

struct Argument {
    const char* name;  // as --help shows it: N, FILE, STEP
    ArgumentValues values;
    bool optional = false;  // may be left out (and every argument after it)
    bool many = false;      // takes the rest of the words, at least one
};

// One form of a command, e.g. "profile use N".
struct CommandForm {
    std::vector<const char*> words;  // the command's name, then the form's word if it has one
    std::vector<Argument> arguments;
    const char* help;  // one line per '\n'
    int (*run)(CliContext& context, const CommandArgs& args);
    const char* shownOptions = "";  // options --help shows with the form ("[--once]")
};

// The profile numbers a model has, for --profile and `profile use N`.
const ArgumentValues& ProfileNumbers();

// Every form of every command, in the order --help lists them.
const std::vector<CommandForm>& AllCommandForms();

}  // namespace quillon::cli
