#include "ui/toolkit/MenuWnd.h"

#include <QMenu>
#include <QPointer>

#include "ui/toolkit/MWindow.h"
#include "ui/toolkit/PopupMenu.h"
#include "ui/toolkit/WindowView.h"

namespace quillon {

void MenuWnd::AddItem(int id, const std::string& text) {
    items_.push_back({id, text});
}

bool MenuWnd::Create(MWindow* owner, std::uint32_t message, int x, int y) {
    if (owner == nullptr || owner->View() == nullptr) {
        return false;
    }
    QMenu* menu = NewPopupMenu(owner->View());
    // Through the window's view, which forgets its window when the window goes.
    QPointer<WindowView> view(static_cast<WindowView*>(owner->View()));
    for (const Item& item : items_) {
        QAction* action = menu->addAction(QString::fromStdString(item.text));
        int id = item.id;
        QObject::connect(action, &QAction::triggered, menu, [view, message, id] {
            if (view && view->Window() != nullptr) {
                view->Window()->PostMessage(message, 0, id);
            }
        });
    }
    menu->popup(QPoint(x, y));
    return true;
}

}  // namespace quillon
