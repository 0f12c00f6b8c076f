#include "platform/CommandLine.h"

#include <algorithm>

namespace quillon {

bool HasHideSwitch(const std::vector<std::string>& arguments) {
    // The switch holds no blank, so searching each argument finds exactly what a search of the
    // arguments joined with blanks finds.
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument.find("-hide") != std::string::npos;
    });
}

bool HasHideSwitch(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc && argv != nullptr; ++i) {
        if (argv[i] != nullptr) {
            arguments.emplace_back(argv[i]);
        }
    }
    return HasHideSwitch(arguments);
}

}  // namespace quillon
