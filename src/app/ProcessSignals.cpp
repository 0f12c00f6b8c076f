#include "app/ProcessSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace quillon {
namespace {

int g_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

QuitOnSignals::QuitOnSignals(std::function<void()> onSignal) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [onSignal = std::move(onSignal)] {
                         char bytes[16];
                         while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
                         }
                         onSignal();
                     });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals) {
        sigaction(number, &action, nullptr);
    }
}

QuitOnSignals::~QuitOnSignals() {
    if (!notifier_) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (int number : kSignals) {
        sigaction(number, &action, nullptr);
    }
    notifier_.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

}  // namespace quillon
