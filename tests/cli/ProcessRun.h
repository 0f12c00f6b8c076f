#pragma once

#include <memory>
#include <string>
#include <vector>

#include "support/ChildProcess.h"

namespace quillon::test {

// What one quillonctl process printed (standard output and error together) and its status;
// -1 when it did not end by itself.
struct ProcessResult {
    int status = -1;
    std::string output;
};

// The real quillonctl binary on the data folder `data`, each word list in a process of its own,
// all started before any is waited for.
inline std::vector<ProcessResult> RunAtOnce(const std::string& data,
                                            const std::vector<std::vector<std::string>>& commands,
                                            const std::vector<std::string>& prefix = {}) {
    std::vector<std::unique_ptr<ChildProcess>> children;
    for (const std::vector<std::string>& words : commands) {
        std::vector<std::string> argv = prefix;
        argv.insert(argv.end(), {QUILLONCTL, "--data-dir", data});
        argv.insert(argv.end(), words.begin(), words.end());
        children.push_back(
            std::make_unique<ChildProcess>(argv, ChildProcess::Output::StdoutAndStderr));
    }
    std::vector<ProcessResult> results;
    for (const std::unique_ptr<ChildProcess>& child : children) {
        ProcessResult& result = results.emplace_back();
        result.output = child->ReadAll(std::chrono::seconds(60));
        result.status = child->Wait(std::chrono::seconds(10)).value_or(-1);
    }
    return results;
}

inline ProcessResult RunOnce(const std::string& data, const std::vector<std::string>& words,
                             const std::vector<std::string>& prefix = {}) {
    return RunAtOnce(data, {words}, prefix).front();
}

}  // namespace quillon::test
