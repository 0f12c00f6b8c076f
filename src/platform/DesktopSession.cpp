#include "platform/DesktopSession.h"

#include <cstdlib>
#include <string_view>

namespace quillon {

bool IsWaylandSession() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    const char* type = std::getenv("XDG_SESSION_TYPE");
    return (display != nullptr && *display != '\0') ||
           (type != nullptr && std::string_view(type) == "wayland");
}

}  // namespace quillon
