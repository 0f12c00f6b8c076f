#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace quillon::test {

// A program started in its own process with its standard output on a pipe; killed and reaped
// on destruction if it still runs, so a failing test never leaves it behind.
class ChildProcess {
  public:
    enum class Output { Stdout, StdoutAndStderr };
    // argv[0] is the program's path. started() is false when it could not be run. With
    // StdoutAndStderr, what it writes to its standard error is read as its output too.
    explicit ChildProcess(const std::vector<std::string>& argv, Output output = Output::Stdout);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }

    // The next line the program printed (without its line break); nullopt at the end of its
    // output or when none came within the time.
    std::optional<std::string> ReadLine(std::chrono::milliseconds patience);

    // The exit status once the program ended within the time; nullopt otherwise (or when a
    // signal ended it).
    std::optional<int> Wait(std::chrono::milliseconds patience);

    // Ends the program at once (SIGKILL), as a crash would, and reaps it.
    void Kill();

    // Everything the program still prints until it closes its output or the time is up.
    std::string ReadAll(std::chrono::milliseconds patience);

  private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string buffered_;
    std::optional<int> status_;
};

}  // namespace quillon::test
