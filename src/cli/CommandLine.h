#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/CliContext.h"

namespace CLI {
class App;
}

namespace quillon::cli {

struct ParsedCommand {
    bool done = false;                  // --help or --version answered: nothing to run
    const CommandForm* form = nullptr;  // the form to run
    CommandArgs args;                   // its words after the command's name
};

// quillonctl's options and commands: every form of the command table as a subcommand whose
// arguments are checked before the command runs, a --help of its own for each, and the global
// options allowed anywhere on the line.
class CommandLine {
  public:
    explicit CommandLine(CliContext& context);
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // Fills the context's options and `parsed`; kExitOk, or the status after printing why not.
    int Parse(const std::vector<std::string>& args, ParsedCommand& parsed);

  private:
    // The whole program's help, as --help prints it.
    void PrintHelp(std::ostream& out) const;
    struct FormLine;
    void AddGlobalOptions();
    void AddForm(const CommandForm& form);
    std::string Usage(const std::vector<std::string>& path) const;

    CliContext& context_;
    std::unique_ptr<CLI::App> app_;
    std::vector<std::unique_ptr<FormLine>> forms_;
    bool version_ = false;
};

}  // namespace quillon::cli
