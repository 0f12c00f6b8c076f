#include "app/TrayMessages.h"

#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "app/SystemTray.h"
#include "ui/toolkit/MWindow.h"

namespace quillon {

bool HandleTrayMessage(MWindow& window, SystemTray& tray, unsigned message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    if (message == MSG_TRAY) {
        if (lParam == kTrayLeftButtonUp || lParam == kTrayLeftDoubleClick) {
            window.ShowWindow(kSwShowNormal);
            window.View()->activateWindow();
        }
        return true;
    }
    if (message == WM_COMMAND && wParam == kTrayExitCommand) {
        tray.Remove();
        // At once, as the exit command always did: the device worker may still be running, and
        // tearing down the program's statics under it could crash on the way out. Every setting
        // is already in the database.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    return false;
}

}  // namespace quillon
