#include "ui/toolkit/MenuWnd.h"

#include <QMenu>
#include <QPointer>

#include "ui/toolkit/MWindow.h"
#include "ui/toolkit/PopupMenu.h"

namespace quillon {

void MenuWnd::AddItem(int id, const std::string& text) {
    items_.push_back({id, text});
}

bool MenuWnd::Create(MWindow* owner, std::uint32_t message, int x, int y) {
    if (owner == nullptr || owner->View() == nullptr) {
        return false;
    }
    QMenu* menu = NewPopupMenu(owner->View());
    QPointer<QWidget> alive(owner->View());
    for (const Item& item : items_) {
        QAction* action = menu->addAction(QString::fromStdString(item.text));
        int id = item.id;
        QObject::connect(action, &QAction::triggered, menu, [alive, owner, message, id] {
            if (alive) {
                owner->PostMessage(message, 0, id);
            }
        });
    }
    menu->popup(QPoint(x, y));
    return true;
}

}  // namespace quillon
