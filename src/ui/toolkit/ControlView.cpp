#include "ui/toolkit/ControlView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include "ui/toolkit/MControl.h"

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
    control_->Paint(painter, state);
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

}  // namespace quillon
