#include "ui/pages/OwnWindowInputSource.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include "input/RawInputBuffer.h"
#include "platform/x11/XKeyNames.h"
#include "platform/x11/XKeycodes.h"

namespace quillon {

// Sees every input event once, as it reaches one of the program's windows.
class OwnWindowInputSource::Filter : public QObject {
  public:
    Filter(RawInputBuffer& buffer, Post posted) : buffer_(buffer), posted_(std::move(posted)) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (qobject_cast<QWindow*>(receiver) == nullptr) {
            return false;
        }
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                Key(*static_cast<QKeyEvent*>(event));
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
                Button(*static_cast<QMouseEvent*>(event));
                break;
            default:
                break;
        }
        return false;
    }

  private:
    void Key(const QKeyEvent& event) {
        // Qt reports a held key as releases and presses marked as repeats; the raw keyboard
        // repeats presses only, and the reader drops those itself.
        if (event.isAutoRepeat() && event.type() == QEvent::KeyRelease) {
            return;
        }
        // The native scan code is the xkb keycode on Wayland and X11 alike.
        const unsigned long keysym = event.nativeVirtualKey();
        const WindowsKey key =
            WindowsKeyOfXKeycode(static_cast<int>(event.nativeScanCode()), keysym);
        if (key.virtualKey == 0) {
            return;
        }
        RawInput raw;
        raw.device = RawInput::Device::Keyboard;
        raw.time = static_cast<std::uint32_t>(event.timestamp());
        raw.keyUp = event.type() == QEvent::KeyRelease;
        raw.virtualKey = key.virtualKey;
        raw.makeCode = key.makeCode;
        raw.prefixed = key.prefixed;
        raw.layoutName = LayoutKeyName(keysym, key.virtualKey, nullptr);
        posted_(buffer_.Put(raw));
    }

    void Button(const QMouseEvent& event) {
        const bool up = event.type() == QEvent::MouseButtonRelease;
        unsigned flags = 0;
        switch (event.button()) {
            case Qt::LeftButton:
                flags = up ? kRawLeftUp : kRawLeftDown;
                break;
            case Qt::RightButton:
                flags = up ? kRawRightUp : kRawRightDown;
                break;
            case Qt::MiddleButton:
                flags = up ? kRawMiddleUp : kRawMiddleDown;
                break;
            case Qt::BackButton:
                flags = up ? kRawButton4Up : kRawButton4Down;
                break;
            case Qt::ForwardButton:
                flags = up ? kRawButton5Up : kRawButton5Down;
                break;
            default:
                return;
        }
        RawInput raw;
        raw.device = RawInput::Device::Mouse;
        raw.time = static_cast<std::uint32_t>(event.timestamp());
        raw.buttonFlags = flags;
        const QPoint at = event.globalPosition().toPoint();
        raw.pointerX = at.x();
        raw.pointerY = at.y();
        posted_(buffer_.Put(raw));
    }

    RawInputBuffer& buffer_;
    Post posted_;
};

OwnWindowInputSource::OwnWindowInputSource() = default;

OwnWindowInputSource::~OwnWindowInputSource() {
    Stop();
}

bool OwnWindowInputSource::Start(RawInputBuffer& buffer, Post posted) {
    Stop();
    if (qApp == nullptr) {
        return false;
    }
    filter_ = std::make_unique<Filter>(buffer, std::move(posted));
    qApp->installEventFilter(filter_.get());
    return true;
}

void OwnWindowInputSource::Stop() {
    if (filter_ && qApp != nullptr) {
        qApp->removeEventFilter(filter_.get());
    }
    filter_.reset();
}

}  // namespace quillon
