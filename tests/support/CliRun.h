#pragma once

#include <nlohmann/json.hpp>
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

// What a --json run printed, parsed; throws (failing the test) when it is not one JSON value.
inline nlohmann::json ParsedOut(const CliResult& result) {
    return nlohmann::json::parse(result.out);
}

}  // namespace quillon::test
