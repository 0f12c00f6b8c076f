#pragma once

#include <QIcon>

namespace quillon {

// The program's icon (window, task bar, tray): "Skin/app_icon.png" of the resource folder when
// that file exists, else the drawn mark of the skin in several sizes. GUI thread.
QIcon ProgramIcon();

}  // namespace quillon
