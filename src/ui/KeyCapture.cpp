#include "ui/KeyCapture.h"

#include <QKeyEvent>
#include <QWidget>

namespace quillon {

KeyCapture::KeyCapture(QWidget& widget, std::function<void(const PressedKey&)> onKey)
    : onKey_(std::move(onKey)) {
    // No parent: the owner ends the capture, and Qt drops the filter of a deleted object.
    widget.installEventFilter(this);
}

bool KeyCapture::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Keeps window shortcuts from taking the key first.
            event->accept();
            return true;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) {
                onKey_(PressedKeyOf(*key));
            }
            return true;
        }
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
    }
}

}  // namespace quillon
