#include "platform/x11/X11EventThread.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <unistd.h>

#include <cstring>

namespace quillon {
namespace {

bool HasXInput2(Display* display, int& opcode) {
    int event = 0;
    int error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) {
        return false;
    }
    int major = 2;
    int minor = 0;
    return XIQueryVersion(display, &major, &minor) == Success && major >= 2;
}

}  // namespace

X11EventThread::~X11EventThread() {
    Stop();
}

bool X11EventThread::Start(std::initializer_list<int> rawTypes, Handler handler) {
    Stop();
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    int opcode = 0;
    int pipeEnds[2] = {-1, -1};
    if (!HasXInput2(display, opcode) || pipe(pipeEnds) != 0) {
        XCloseDisplay(display);
        return false;
    }
    std::vector<unsigned char> mask(XIMaskLen(XI_LASTEVENT), 0);
    for (int type : rawTypes) {
        // XISetMask, without its int arithmetic on a byte.
        mask[static_cast<size_t>(type >> 3)] |= static_cast<unsigned char>(1u << (type & 7));
    }
    XIEventMask selection;
    selection.deviceid = XIAllMasterDevices;
    selection.mask_len = static_cast<int>(mask.size());
    selection.mask = mask.data();
    XISelectEvents(display, DefaultRootWindow(display), &selection, 1);
    XSync(display, False);

    display_ = display;
    opcode_ = opcode;
    wakeRead_ = pipeEnds[0];
    wakeWrite_ = pipeEnds[1];
    handler_ = std::move(handler);
    thread_ = std::thread([this] { Run(); });
    return true;
}

void X11EventThread::Stop() {
    if (display_ == nullptr) {
        return;
    }
    const char wake = 1;
    (void)!write(wakeWrite_, &wake, 1);
    thread_.join();
    XCloseDisplay(display_);
    close(wakeRead_);
    close(wakeWrite_);
    display_ = nullptr;
    wakeRead_ = wakeWrite_ = -1;
    handler_ = nullptr;
}

void X11EventThread::Run() {
    pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    for (;;) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != opcode_ ||
                !XGetEventData(display_, cookie)) {
                continue;
            }
            handler_(display_, cookie->evtype, cookie->data);
            XFreeEventData(display_, cookie);
        }
        if (poll(fds, 2, -1) < 0) {
            continue;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            return;
        }
        if ((fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            return;
        }
    }
}

bool X11InputAvailable() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    const bool available =
        HasXInput2(display, opcode) && XTestQueryExtension(display, &event, &error, &major, &minor);
    XCloseDisplay(display);
    return available;
}

}  // namespace quillon
