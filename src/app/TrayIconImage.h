#pragma once

#include <QIcon>
#include <QPixmap>

namespace quillon {

// The program's mark for the notification area, drawn until packaging ships an icon file: a
// mouse seen from above, its two buttons and wheel, on a transparent ground.
QPixmap DrawTrayIconImage(int size);
// The mark at the sizes trays ask for.
QIcon TrayIcon();

}  // namespace quillon
