#pragma once

#include <functional>
#include <string>

class QObject;

namespace quillon {

// Shows a desktop notification through the freedesktop Notifications service of the session
// bus, without waiting for it. `failed` runs on the GUI thread when no bus or no service takes
// the notification (never when one does); `context` ends the wait when it is destroyed.
// GUI thread.
void SendDesktopNotification(const std::string& summary, const std::string& body, QObject* context,
                             std::function<void()> failed);

}  // namespace quillon
