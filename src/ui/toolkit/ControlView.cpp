#include "ui/toolkit/ControlView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <optional>

#include "ui/toolkit/MControl.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

PointerEvent ToPointer(QMouseEvent* event, const QWidget* view) {
    PointerEvent pointer;
    QPoint pos = event->position().toPoint();
    pointer.x = pos.x();
    pointer.y = pos.y();
    pointer.right = event->button() == Qt::RightButton;
    pointer.inside = view->rect().contains(pos);
    return pointer;
}

std::optional<Key> KeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Home:
            return Key::Home;
        case Qt::Key_End:
            return Key::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

ControlView::ControlView(MControl* control, QWidget* parent) : QWidget(parent), control_(control) {}

bool ControlView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && control_ != nullptr) {
        auto* help = static_cast<QHelpEvent*>(event);
        std::string tip = control_->TooltipAt(help->pos().x(), help->pos().y());
        if (tip.empty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
        }
        return true;
    }
    return QWidget::event(event);
}

void ControlView::paintEvent(QPaintEvent*) {
    if (control_ == nullptr) {
        return;
    }
    QPainter painter(this);
    ViewState state;
    state.width = width();
    state.height = height();
    state.hover = hover_;
    state.pressed = pressed_;
    state.enabled = isEnabled();
    // The ring only once the keyboard moved the focus, as desktop toolkits do.
    state.focused = hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
    control_->Paint(painter, state);
    if (state.focused) {
        MRect ring = control_->FocusRect(width(), height());
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(skin::Color(skin::kFocus), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            QRectF(ring.left, ring.top, ring.Width(), ring.Height()).adjusted(1, 1, -1, -1), 6, 6);
        painter.restore();
    }
}

void ControlView::resizeEvent(QResizeEvent*) {
    if (control_ != nullptr) {
        control_->LayoutView(width(), height());
    }
}

void ControlView::mousePressEvent(QMouseEvent* event) {
    if (control_ == nullptr) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        update();
    }
    control_->OnPress(ToPointer(event, this));
}

void ControlView::mouseReleaseEvent(QMouseEvent* event) {
    bool wasPressed = pressed_;
    pressed_ = false;
    update();
    if (control_ == nullptr || (event->button() == Qt::LeftButton && !wasPressed)) {
        return;
    }
    // Last: the control's handler may close the window.
    control_->OnRelease(ToPointer(event, this));
}

void ControlView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (control_ != nullptr && event->button() == Qt::LeftButton) {
        pressed_ = true;
        control_->OnDoubleClick(ToPointer(event, this));
    }
}

void ControlView::mouseMoveEvent(QMouseEvent* event) {
    if (control_ != nullptr) {
        control_->OnPointerMove(ToPointer(event, this));
    }
}

void ControlView::wheelEvent(QWheelEvent* event) {
    if (control_ == nullptr) {
        return;
    }
    int steps = event->angleDelta().y() / 120;
    if (steps != 0) {
        control_->OnWheel(steps);
    }
    event->accept();
}

void ControlView::enterEvent(QEnterEvent*) {
    hover_ = true;
    update();
}

void ControlView::leaveEvent(QEvent*) {
    hover_ = false;
    update();
}

void ControlView::keyPressEvent(QKeyEvent* event) {
    // Only keys meant for the control itself, not those a field inside it let through.
    std::optional<Key> key = KeyOf(event->key());
    if (control_ != nullptr && hasFocus() && key && !event->isAutoRepeat() &&
        control_->OnKey(*key)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ControlView::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void ControlView::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace quillon
