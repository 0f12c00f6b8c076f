#pragma once

#include <cstdint>

namespace quillon {

class MWindow;
class SystemTray;

// The window's answer to what its tray icon posts: MSG_TRAY with a left click or double click
// shows, raises and activates the window; WM_COMMAND with kTrayExitCommand removes the icon and
// ends the process at once with status 0. False for every other message. GUI thread.
bool HandleTrayMessage(MWindow& window, SystemTray& tray, unsigned message, std::uintptr_t wParam,
                       std::intptr_t lParam);

}  // namespace quillon
