#include "ui/toolkit/PopupMenu.h"

#include <QMenu>

#include "ui/toolkit/Manager.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {

QMenu* NewPopupMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFont(skin::Font(Manager::FontName(), 14));
    menu->setStyleSheet(QStringLiteral(
        "QMenu { background: #1B2732; color: #B8D3EF; border: 1px solid #34495E; padding: 4px; }"
        "QMenu::item { padding: 6px 22px 6px 14px; border-radius: 4px; }"
        "QMenu::item:selected { background: #2F8CEB; color: white; }"
        "QMenu::item:checked { color: #6FB6FF; }"
        "QMenu::indicator { width: 0px; }"));
    return menu;
}

}  // namespace quillon
