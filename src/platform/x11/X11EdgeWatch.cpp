#include "platform/x11/X11EdgeWatch.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace quillon {

bool X11EdgeWatch::Start(Send send, int desktopSpan) {
    watch_ = {};
    return thread_.Start(
        {XI_RawMotion}, [this, send, desktopSpan](Display* display, int, const void*) {
            Window root = 0;
            Window child = 0;
            int x = 0;
            int y = 0;
            int winX = 0;
            int winY = 0;
            unsigned mask = 0;
            if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &winX,
                               &winY, &mask)) {
                return;
            }
            const int span =
                desktopSpan > 0 ? desktopSpan : DisplayWidth(display, DefaultScreen(display));
            if (const std::optional<int> side = watch_.Update(x, span)) {
                send(*side);
            }
        });
}

void X11EdgeWatch::Stop() {
    thread_.Stop();
}

}  // namespace quillon
