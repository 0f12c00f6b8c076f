#pragma once

#include <QObject>
#include <functional>

#include "ui/QtKeyToVirtualKey.h"

class QWidget;

namespace quillon {

// Reads the keys pressed in one widget while it lives: each key press goes to `onKey` instead of
// the widget, so a text field shows the key's name rather than the typed character, and Tab or
// Enter are keys like any other. The widget may go first.
class KeyCapture : public QObject {
  public:
    KeyCapture(QWidget& widget, std::function<void(const PressedKey&)> onKey);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const PressedKey&)> onKey_;
};

}  // namespace quillon
