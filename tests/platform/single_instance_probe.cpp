// Test helper: one copy of the program's single-instance logic in its own process.
//   single_instance_probe FOLDER first         take the first role, print "ready", then print
//                                              "received <line>" for the first message and exit
//   single_instance_probe FOLDER second LINE   take the second role and send LINE to the first
//   single_instance_probe FOLDER window        as the window does: take the first role, print
//                                              "ready", print "received <line>" for every message
//                                              and end with 0 at a quit request (1691, lParam 610)
// Exit status: 0 done, 2 wrong role, 3 no message (window: no quit) came, 4 bad LINE, 5 sending
// failed, 64 usage.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/SingleInstance.h"

using quillon::InstanceMessage;
using quillon::SingleInstance;

namespace {

int RunFirst(SingleInstance& instance) {
    if (instance.TryAcquire() != SingleInstance::Role::First) {
        return 2;
    }
    std::mutex mutex;
    std::condition_variable arrived;
    std::optional<InstanceMessage> received;
    instance.StartListening([&](const InstanceMessage& message) {
        std::lock_guard lock(mutex);
        if (!received) {
            received = message;
            arrived.notify_one();
        }
    });
    std::printf("ready\n");
    std::fflush(stdout);
    std::unique_lock lock(mutex);
    bool got =
        arrived.wait_for(lock, std::chrono::seconds(20), [&] { return received.has_value(); });
    lock.unlock();
    instance.Stop();
    if (!got) {
        return 3;
    }
    std::printf("received %s\n", quillon::EncodeInstanceMessage(*received).c_str());
    std::fflush(stdout);
    return 0;
}

int RunWindow(SingleInstance& instance) {
    if (instance.TryAcquire() != SingleInstance::Role::First) {
        return 2;
    }
    instance.StartListening([](const InstanceMessage& message) {
        std::printf("received %s\n", quillon::EncodeInstanceMessage(message).c_str());
        std::fflush(stdout);
        // The window's reaction to a quit request: the process ends at once with 0.
        if (message.message == quillon::MSG_QUIT_REQUEST &&
            message.lParam == quillon::kQuitRequestLParam) {
            std::_Exit(0);
        }
    });
    std::printf("ready\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(20));
    return 3;
}

int RunSecond(SingleInstance& instance, const char* line) {
    if (instance.TryAcquire() != SingleInstance::Role::Second) {
        return 2;
    }
    std::optional<InstanceMessage> message = quillon::DecodeInstanceMessage(line);
    if (!message) {
        return 4;
    }
    return instance.SendToFirst(*message) ? 0 : 5;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return 64;
    }
    SingleInstance instance(argv[1]);
    const std::string role = argv[2];
    if (role == "first" && argc == 3) {
        return RunFirst(instance);
    }
    if (role == "window" && argc == 3) {
        return RunWindow(instance);
    }
    if (role == "second" && argc == 4) {
        return RunSecond(instance, argv[3]);
    }
    return 64;
}
