#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon::test {

// quillonctl against the shipped catalogue, a database folder of its own and a virtual mouse
// whose flash memory lives in a state file, so that several runs talk to the same mouse.
class EmulatedCli : public ::testing::Test {
  protected:
    CliResult Run(std::vector<std::string> words, const std::string& data = "data",
                  const std::string& links = "wired") {
        std::vector<std::string> args = {
            "--config", std::string(QUILLON_SOURCE_DIR) + "/data/config.xml", "--data-dir",
            dir.file(data), "--emulate=" + links + ",state=" + dir.file("mouse.state")};
        args.insert(args.end(), words.begin(), words.end());
        return RunCli(args);
    }

    IsolatedHome home;
    TempDir dir;
};

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace quillon::test
