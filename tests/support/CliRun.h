#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace quillon::test {

struct CliResult {
    int status = 0;
    std::string out;
    std::string err;
};

// Runs quillonctl in-process with the given words and captures what it prints.
inline CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace quillon::test
