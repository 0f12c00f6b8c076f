#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <climits>
#include <iterator>
#include <ostream>

#include "platform/NumberText.h"
#include "platform/Paths.h"

namespace quillon::cli {
namespace {

constexpr std::size_t kOptionColumn = 24;
constexpr std::size_t kCommandColumn = 25;

// Put before a word that looks like an option but is an argument; taken off after parsing.
const std::string kShield = "\x1f";

constexpr const char* kExitStatusHelp =
    "Exit status:\n"
    "  0   success\n"
    "  1   the command could not do its work; the message says why\n"
    "  2   no configurable mouse connected (show, quit: no window running)\n"
    "  64  usage error: an unknown command or option, a missing argument, or a value outside\n"
    "      its allowed range\n";

constexpr const char* kCommandFooter =
    "Global options (--json, --profile N, --emulate, --no-send, --yes, --data-dir DIR,\n"
    "--config FILE) stand anywhere on the line: see quillonctl --help.\n"
    "\n";

// "  HEAD   help", the help's further lines under its first; a head too wide for the column
// gets a line of its own.
void AppendHelpLine(std::string& text, const std::string& head, const std::string& help,
                    std::size_t column) {
    text += "  " + head;
    if (head.size() + 4 > column) {
        text += "\n" + std::string(column, ' ');
    } else {
        text += std::string(column - 2 - head.size(), ' ');
    }
    for (char c : help) {
        text += c;
        if (c == '\n') {
            text += std::string(column, ' ');
        }
    }
    text += "\n";
}

std::string RangeText(const ArgumentValues& values) {
    if (values.min == INT_MIN && values.max == INT_MAX) {
        return "";
    }
    if (values.max == INT_MAX) {
        return " of at least " + std::to_string(values.min);
    }
    return " from " + std::to_string(values.min) + " to " + std::to_string(values.max);
}

std::string ChoiceText(const std::vector<int>& choices, const char* between) {
    std::string text;
    for (int choice : choices) {
        text += (text.empty() ? "" : between) + std::to_string(choice);
    }
    return text;
}

// What an argument takes, as its --help and its refusal say it.
std::string Accepted(const ArgumentValues& values) {
    switch (values.kind) {
        case ArgumentValues::Kind::NonEmptyText:
            return "text (not empty)";
        case ArgumentValues::Kind::Whole:
            return "a whole number" + RangeText(values);
        case ArgumentValues::Kind::Choice:
            return "one of " + ChoiceText(values.choices, ", ");
    }
    return "";
}

bool Accepts(const ArgumentValues& values, const std::string& word) {
    int number = 0;
    switch (values.kind) {
        case ArgumentValues::Kind::NonEmptyText:
            return !word.empty();
        case ArgumentValues::Kind::Whole:
            return ParseWholeInt(word, number) && number >= values.min && number <= values.max;
        case ArgumentValues::Kind::Choice:
            return ParseWholeInt(word, number) &&
                   std::find(values.choices.begin(), values.choices.end(), number) !=
                       values.choices.end();
    }
    return false;
}

// The check CLI11 runs on an argument's word; its message completes "NAME ...".
CLI::Validator Check(const ArgumentValues& values) {
    return CLI::Validator(
        [values](std::string& word) -> std::string {
            if (Accepts(values, word)) {
                return "";
            }
            if (values.kind == ArgumentValues::Kind::NonEmptyText) {
                return "must not be empty";
            }
            return "must be " + Accepted(values) + ", not '" + word + "'";
        },
        "");
}

// What --help shows for an argument in a synopsis ("N", "STEP...", "[125|250|500|1000]").
std::string ShownArgument(const Argument& argument) {
    std::string shown = argument.values.kind == ArgumentValues::Kind::Choice
                            ? ChoiceText(argument.values.choices, "|")
                            : argument.name;
    return argument.many ? shown + "..." : shown;
}

std::string Synopsis(const CommandForm& form) {
    std::string text;
    for (const char* word : form.words) {
        text += (text.empty() ? "" : " ") + std::string(word);
    }
    std::string closing;
    for (const Argument& argument : form.arguments) {
        text += argument.optional ? " [" : " ";
        text += ShownArgument(argument);
        closing += argument.optional ? "]" : "";
    }
    text += closing;
    if (*form.shownOptions != '\0') {
        text += " " + std::string(form.shownOptions);
    }
    return text;
}

// "-5" is a value, not an option.
bool IsOptionWord(const std::string& word) {
    return word.size() > 1 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9');
}

std::string Unshielded(std::string text) {
    for (std::size_t at = text.find(kShield); at != std::string::npos; at = text.find(kShield)) {
        text.erase(at, kShield.size());
    }
    return text;
}

// CLI11's sentences start in capitals; an argument's name ("VALUE is required") stays as it is.
std::string LowerFirst(std::string text) {
    if (text.size() > 1 && text[0] >= 'A' && text[0] <= 'Z' && text[1] >= 'a' && text[1] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    }
    return text;
}

}  // namespace

struct CommandLine::FormLine {
    const CommandForm* form;
    CLI::App* app;
    std::vector<std::vector<std::string>> values;  // one list per argument
};

CommandLine::CommandLine(CliContext& context)
    : context_(context),
      app_(std::make_unique<CLI::App>("Configure Quillon gaming mice from the command line.",
                                      "quillonctl")) {
    app_->set_help_flag("-h,--help", "show this help and exit");
    app_->require_subcommand(0, 1);
    AddGlobalOptions();
    for (const CommandForm& form : AllCommandForms()) {
        AddForm(form);
    }
    for (CLI::App* command : app_->get_subcommands([](const CLI::App*) { return true; })) {
        const bool runsAlone =
            std::any_of(forms_.begin(), forms_.end(),
                        [command](const auto& line) { return line->app == command; });
        command->require_subcommand(runsAlone ? 0 : 1, 1);
    }
}

CommandLine::~CommandLine() = default;

void CommandLine::AddGlobalOptions() {
    CliOptions& options = context_.options;
    app_->add_flag("--version", version_, "show the version and exit");
    app_->add_flag("--json", options.json, "print machine-readable JSON instead of text");
    app_->add_option("--config", options.configFile,
                     "read the device catalogue from FILE instead of the shipped one")
        ->type_name("FILE");
    app_->add_option("--data-dir", options.dataDir,
                     "keep the settings databases under DIR instead of the default")
        ->type_name("DIR")
        ->check(Check(ArgumentValues::NonEmpty()));
    app_->add_option("--profile", options.profile,
                     "work on profile N (1-5) instead of the active one")
        ->type_name("N")
        ->check(Check(ProfileNumbers()));
    app_->add_flag("--emulate{wired}", options.emulateSpec,
                   "talk to the virtual mouse instead of real hardware; MODES is\n"
                   "wired, receiver, receiver-asleep or bluetooth, or a '+' list\n"
                   "(default wired); state=FILE keeps its settings across runs")
        ->type_name("[=MODES][,state=FILE]");
    app_->add_flag("-y,--yes", options.yes, "do not ask for confirmation");
    app_->add_flag("--once", options.once, "with watch: print the current state and exit");
    app_->add_flag("--no-send", options.noSend, "store changes only; 'apply' sends them later");
}

void CommandLine::AddForm(const CommandForm& form) {
    const std::vector<CLI::App*> known = app_->get_subcommands(
        [&form](const CLI::App* app) { return app->get_name() == form.words[0]; });
    CLI::App* command = known.empty() ? nullptr : known.front();
    if (command == nullptr) {
        command = app_->add_subcommand(form.words[0]);
        command->fallthrough();
        command->footer(std::string(kCommandFooter) + kExitStatusHelp);
    }
    CLI::App* app = command;
    if (form.words.size() > 1) {
        app = command->add_subcommand(form.words[1]);
        app->fallthrough();
        app->footer(std::string(kCommandFooter) + kExitStatusHelp);
        // A command without a form of its own is described by its forms' words.
        if (std::none_of(forms_.begin(), forms_.end(),
                         [command](const auto& line) { return line->app == command; })) {
            const std::string words = command->get_description();
            command->description(words + (words.empty() ? "" : ", ") + form.words[1]);
        }
    } else {
        command->description(form.help);
    }
    app->description(form.help);
    auto line = std::make_unique<FormLine>(FormLine{&form, app, {}});
    line->values.resize(form.arguments.size());
    for (std::size_t i = 0; i < form.arguments.size(); ++i) {
        const Argument& argument = form.arguments[i];
        CLI::Option* option =
            app->add_option(argument.name, line->values[i], Accepted(argument.values));
        option->type_name("")->required(!argument.optional);
        // A list target would otherwise take the next argument's words too.
        option->allow_extra_args(argument.many);
        if (!argument.many) {
            option->expected(1);
        }
        option->check(Check(argument.values));
    }
    forms_.push_back(std::move(line));
}

std::string CommandLine::Usage(const std::vector<std::string>& path) const {
    std::string usage;
    for (const auto& line : forms_) {
        const std::vector<const char*>& words = line->form->words;
        if (path.size() <= words.size() && std::equal(path.begin(), path.end(), words.begin())) {
            usage += (usage.empty() ? "" : " | ") + Synopsis(*line->form);
        }
    }
    return usage;
}

void CommandLine::PrintHelp(std::ostream& out) const {
    std::string text =
        "Usage: quillonctl [OPTIONS] COMMAND [ARGS]\n"
        "Configure Quillon gaming mice from the command line.\n"
        "\n"
        "Options:\n";
    for (const CLI::Option* option : app_->get_options()) {
        const std::string name = option->get_lnames().front();
        const std::string value = option->get_type_name();
        const std::string head =
            "--" + name + (value.empty() || value[0] == '[' ? value : " " + value);
        AppendHelpLine(text, head, option->get_description(), kOptionColumn);
    }
    text += "\nCommands:\n";
    for (const auto& line : forms_) {
        AppendHelpLine(text, Synopsis(*line->form), line->form->help, kCommandColumn);
    }
    text += "\nEach command has a --help of its own, e.g. quillonctl dpi set --help.\n\n";
    out << text << kExitStatusHelp;
}

int CommandLine::Parse(const std::vector<std::string>& args, ParsedCommand& parsed) {
    // Decided first, so that a command line that does not parse is refused in JSON too.
    const auto separator = std::find(args.begin(), args.end(), "--");
    context_.options.json = std::find(args.begin(), separator, "--json") != separator;

    // Words to take as they are (after "--", and macro steps, which release keys with "-A")
    // are shielded from being read as options; CLI11's own "--" does not reach a subcommand's
    // arguments through the global options.
    std::vector<std::string> words;
    std::vector<std::string> plain;
    bool literal = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool inSteps = plain.size() >= 2 && plain[0] == "macro" && plain[1] == "steps";
        if (word == "--" && !literal) {
            literal = true;
            continue;
        }
        if (literal || (inSteps && IsOptionWord(word) && word[1] != '-')) {
            words.push_back(IsOptionWord(word) ? kShield + word : word);
            plain.push_back(word);
            continue;
        }
        // CLI11 would take the next word as the value of "--data-dir=".
        if (word.size() > 3 && word.rfind("--", 0) == 0 && word.back() == '=') {
            return context_.Fail(kExitUsage, word.substr(0, word.size() - 1) + " needs a value");
        }
        words.push_back(word);
        if (!IsOptionWord(word)) {
            plain.push_back(word);
        } else if (const CLI::Option* option = app_->get_option_no_throw(word);
                   option != nullptr && option->get_expected_max() > 0 && i + 1 < args.size()) {
            words.push_back(args[++i]);
        }
    }
    std::reverse(words.begin(), words.end());  // CLI11 takes the words from the back

    // The words of the subcommands parsed so far ("dpi set"), and the last of them.
    std::vector<std::string> path;
    CLI::App* chosen = app_.get();
    auto parsedPath = [this, &path, &chosen]() {
        path.clear();
        for (chosen = app_.get(); !chosen->get_subcommands().empty();) {
            chosen = chosen->get_subcommands().front();
            path.push_back(chosen->get_name());
        }
        std::string text;
        for (const std::string& word : path) {
            text += (text.empty() ? "" : " ") + word;
        }
        return text;
    };
    try {
        app_->parse(words);
    } catch (const CLI::CallForHelp&) {
        if (app_->get_subcommands().empty()) {
            PrintHelp(context_.out);
        } else {
            context_.out << app_->help();
        }
        parsed.done = true;
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        const std::string where = parsedPath();
        std::string message = Unshielded(error.what());
        const std::vector<std::string> left = app_->remaining(true);
        if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
            // "N: must be …" reads "N must be …".
            if (const std::size_t colon = message.find(": "); colon != std::string::npos) {
                message.erase(colon, 1);
            }
            // A global option's value is no fault of the command.
            if (message.rfind("--", 0) == 0) {
                return context_.Fail(kExitUsage, message + " (see --help)");
            }
        } else if (!left.empty() && IsOptionWord(left.front())) {
            return context_.Fail(kExitUsage, "unknown option '" + left.front() + "' (see --help)");
        } else if (!left.empty() && path.empty()) {
            return context_.Fail(kExitUsage,
                                 "unknown command '" + Unshielded(left.front()) + "' (see --help)");
        } else if (!left.empty()) {
            message = "'" + Unshielded(left.front()) + "' was not expected";
        }
        message = LowerFirst(message);
        if (path.empty()) {
            return context_.Fail(kExitUsage, message + " (see --help)");
        }
        return context_.Fail(kExitUsage, where + ": " + message + "; usage: " + Usage(path));
    }
    if (version_) {
        context_.out << "quillonctl " << QUILLON_VERSION << " (" << kProductName << ")\n";
        parsed.done = true;
        return kExitOk;
    }
    parsedPath();
    if (path.empty()) {
        PrintHelp(context_.err);
        return context_.Fail(kExitUsage, "no command given (see --help)");
    }
    CliOptions& options = context_.options;
    options.emulate = app_->count("--emulate") > 0;
    if (!options.dataDir.empty()) {
        SetDataFolder(options.dataDir);
    }
    for (const auto& line : forms_) {
        if (line->app != chosen) {
            continue;
        }
        parsed.form = line->form;
        parsed.args.assign(line->form->words.begin() + 1, line->form->words.end());
        for (const std::vector<std::string>& values : line->values) {
            std::transform(values.begin(), values.end(), std::back_inserter(parsed.args),
                           Unshielded);
        }
    }
    return kExitOk;
}

}  // namespace quillon::cli
