#include "x11/XTestInput.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>

namespace quillon::test {

XTestInput::XTestInput() : display_(XOpenDisplay(nullptr)) {}

XTestInput::~XTestInput() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

void XTestInput::Key(int keycode, bool press) {
    XTestFakeKeyEvent(display_, static_cast<unsigned>(keycode), press ? True : False, CurrentTime);
    XSync(display_, False);
}

void XTestInput::Button(int button, bool press) {
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), press ? True : False,
                         CurrentTime);
    XSync(display_, False);
}

void XTestInput::MoveTo(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XSync(display_, False);
}

void XTestInput::Pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::vector<unsigned long> XTestInput::KeyboardMapping() {
    int minCode = 0;
    int maxCode = 0;
    XDisplayKeycodes(display_, &minCode, &maxCode);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(display_, static_cast<KeyCode>(minCode),
                                      maxCode - minCode + 1, &perCode);
    std::vector<unsigned long> all(map, map + (maxCode - minCode + 1) * perCode);
    XFree(map);
    return all;
}

FocusWindow::FocusWindow() {
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
        return;
    }
    const int screen = DefaultScreen(display_);
    const int x = DisplayWidth(display_, screen) - 150;
    const int y = DisplayHeight(display_, screen) - 150;
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.event_mask = KeyPressMask | StructureNotifyMask | FocusChangeMask;
    window_ =
        XCreateWindow(display_, RootWindow(display_, screen), x, y, 120, 120, 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
    XMapRaised(display_, window_);
    XEvent event;
    do {
        XNextEvent(display_, &event);
    } while (event.type != MapNotify);
    Focus();
    int ends[2] = {-1, -1};
    if (pipe(ends) == 0) {
        wakeRead_ = ends[0];
        wakeWrite_ = ends[1];
        reader_ = std::thread([this] { Read(); });
    }
}

FocusWindow::~FocusWindow() {
    if (reader_.joinable()) {
        const char wake = 1;
        (void)!write(wakeWrite_, &wake, 1);
        reader_.join();
        close(wakeRead_);
        close(wakeWrite_);
    }
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

void FocusWindow::Focus() {
    std::lock_guard lock(mutex_);
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
    XSync(display_, False);
}

bool FocusWindow::HasFocus() {
    std::lock_guard lock(mutex_);
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus == window_;
}

std::u32string FocusWindow::Typed() {
    std::lock_guard lock(mutex_);
    return typed_;
}

void FocusWindow::Read() {
    pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == KeyPress) {
                    // The mapping in force now, from the server, as toolkits that follow the
                    // keyboard's map notices read it (Xlib's own cache lags behind those).
                    int perCode = 0;
                    KeySym* syms = XGetKeyboardMapping(
                        display_, static_cast<KeyCode>(event.xkey.keycode), 1, &perCode);
                    const KeySym keysym = syms != nullptr && perCode > 0 ? syms[0] : NoSymbol;
                    XFree(syms);
                    if (keysym >= 0x20 && keysym <= 0xFF) {
                        typed_.push_back(static_cast<char32_t>(keysym));
                    } else if ((keysym & 0xFF000000) == 0x01000000) {
                        typed_.push_back(static_cast<char32_t>(keysym & 0x00FFFFFF));
                    }
                }
            }
        }
        poll(fds, 2, -1);
        if ((fds[1].revents & POLLIN) != 0) {
            return;
        }
    }
}

}  // namespace quillon::test
