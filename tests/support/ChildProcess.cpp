#include "support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <thread>
#include <utility>

extern char** environ;

namespace quillon::test {

using Clock = std::chrono::steady_clock;

ChildProcess::ChildProcess(const std::vector<std::string>& argv, Output output) {
    int ends[2];
    if (argv.empty() || ::pipe2(ends, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    if (output == Output::StdoutAndStderr) {
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
        pid_ = pid;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    output_ = ends[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !status_) {
        Kill();
    }
    if (output_ >= 0) {
        ::close(output_);
    }
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds patience) {
    const Clock::time_point deadline = Clock::now() + patience;
    for (;;) {
        if (size_t end = buffered_.find('\n'); end != std::string::npos) {
            std::string line = buffered_.substr(0, end);
            buffered_.erase(0, end + 1);
            return line;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        pollfd watched{output_, POLLIN, 0};
        if (::poll(&watched, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char chunk[256];
        ssize_t count = ::read(output_, chunk, sizeof chunk);
        if (count <= 0) {
            return std::nullopt;
        }
        buffered_.append(chunk, static_cast<size_t>(count));
    }
}

std::string ChildProcess::ReadAll(std::chrono::milliseconds patience) {
    const Clock::time_point deadline = Clock::now() + patience;
    std::string text;
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        std::optional<std::string> line = ReadLine(std::max(left, std::chrono::milliseconds(0)));
        if (!line) {
            return text + std::exchange(buffered_, {});
        }
        text += *line + "\n";
    }
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds patience) {
    const Clock::time_point deadline = Clock::now() + patience;
    while (pid_ > 0 && !status_) {
        int raw = 0;
        pid_t done = ::waitpid(pid_, &raw, WNOHANG);
        if (done == pid_) {
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
            break;
        }
        if (done < 0 || Clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (status_ && *status_ >= 0) {
        return status_;
    }
    return std::nullopt;
}

void ChildProcess::Kill() {
    if (pid_ > 0 && !status_) {
        ::kill(pid_, SIGKILL);
        int raw = 0;
        ::waitpid(pid_, &raw, 0);
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
}

}  // namespace quillon::test
