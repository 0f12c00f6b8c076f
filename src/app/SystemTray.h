#pragma once

#include <memory>
#include <string>

namespace quillon {

class MWindow;

// Window messages of the notification-area icon.
inline constexpr unsigned MSG_TRAY = 1690;     // lParam: the mouse message (kTray*)
inline constexpr unsigned WM_COMMAND = 0x111;  // wParam kTrayExitCommand: the menu's exit
inline constexpr unsigned kTrayExitCommand = 100;
inline constexpr long kTrayLeftButtonUp = 0x202;  // the Windows mouse message numbers
inline constexpr long kTrayLeftDoubleClick = 0x203;
inline constexpr long kTrayRightButtonUp = 0x205;

// The main window's icon in the notification area. Clicks reach the window as MSG_TRAY, the
// menu's exit item as WM_COMMAND with kTrayExitCommand, both posted to the window.
class SystemTray {
  public:
    virtual ~SystemTray() = default;

    // Shows the icon with `tip`; false when the desktop offers no tray.
    virtual bool Add(const std::string& tip) = 0;
    virtual void Remove() = 0;
    virtual bool IsShown() const = 0;
    // What the mouse reported of its battery (level 0..100; state 1 charging, 2 unknown), for
    // the tip and the low-battery notice. Any thread.
    virtual void SetBattery(int level, int state) = 0;
};

// The tray of this desktop for `window`.
std::unique_ptr<SystemTray> CreateSystemTray(MWindow& window);

}  // namespace quillon
