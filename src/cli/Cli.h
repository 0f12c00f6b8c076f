#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quillon::cli {

// Runs quillonctl with the words after the program name; returns the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quillon::cli
