#include "cli/Cli.h"

#include <cerrno>
#include <cstring>

#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/JsonLine.h"
#include "cli/TerminalText.h"

namespace quillon::cli {

int CliContext::Fail(int status, const std::string& message) const {
    // Messages quote file names and values from files: a line break in one must not make two.
    err << "quillonctl: " << Shown(message) << "\n";
    // A script reading --json output gets the failure on the same stream as the answers.
    if (options.json) {
        out << JsonLine({{"error", message}, {"code", status}}) << "\n";
    }
    return status;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CliContext context{CliOptions{}, out, err};
    CommandLine line(context);
    ParsedCommand parsed;
    if (const int status = line.Parse(args, parsed); status != kExitOk || parsed.done) {
        return status;
    }
    const int status = parsed.form->run(context, parsed.args);
    // Output that could not be written (a full disk, a closed pipe) is a failure too.
    out.flush();
    if (!out) {
        return context.Fail(kExitFailure,
                            std::string("cannot write the output: ") + std::strerror(errno));
    }
    return status;
}

}  // namespace quillon::cli
