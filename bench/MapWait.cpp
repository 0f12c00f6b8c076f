// map-wait: starts a program and prints how long it took until its first top-level window was
// mapped on the X display, then the program's pid, and leaves it running:
//
//     map-wait TIMEOUT_MS PROGRAM [ARGS...]   ->   "<milliseconds> <pid>"
//
// The root window's substructure events report every top-level map, so nothing polls.
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

static double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: map-wait TIMEOUT_MS PROGRAM [ARGS...]\n");
        return 64;
    }
    int timeout = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map-wait: cannot open the display\n");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    double start = NowMs();
    pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        // Not our output: whoever reads it would otherwise wait for the program to end.
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    if (pid < 0) {
        return 1;
    }
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root) {
                std::printf("%.1f %d\n", NowMs() - start, static_cast<int>(pid));
                return 0;
            }
        }
        int left = static_cast<int>(start + timeout - NowMs());
        if (left <= 0) {
            std::fprintf(stderr, "map-wait: no window within %d ms\n", timeout);
            kill(pid, SIGKILL);
            return 1;
        }
        pollfd watched{ConnectionNumber(display), POLLIN, 0};
        poll(&watched, 1, left);
    }
}
