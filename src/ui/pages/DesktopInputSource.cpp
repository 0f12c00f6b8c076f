#include "ui/pages/DesktopInputSource.h"

#include "platform/DesktopSession.h"
#include "platform/x11/X11InputSource.h"
#include "ui/pages/OwnWindowInputSource.h"

namespace quillon {

std::unique_ptr<RawInputSource> MakeDesktopInputSource() {
    if (!IsWaylandSession() && X11InputAvailable()) {
        return std::make_unique<X11InputSource>();
    }
    return std::make_unique<OwnWindowInputSource>();
}

}  // namespace quillon
