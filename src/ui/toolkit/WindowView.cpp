#include "ui/toolkit/WindowView.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/toolkit/MWindow.h"

namespace quillon {

WindowView::WindowView(MWindow* window, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), window_(window) {}

void WindowView::paintEvent(QPaintEvent*) {
    if (window_ != nullptr) {
        QPainter painter(this);
        window_->PaintBackground(painter, width(), height());
    }
}

void WindowView::resizeEvent(QResizeEvent*) {
    if (window_ != nullptr) {
        window_->OnResized(width(), height());
    }
}

void WindowView::mousePressEvent(QMouseEvent* event) {
    if (window_ != nullptr && window_->DragEnabled() && event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - pos();
    }
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void WindowView::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void WindowView::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (window_ != nullptr) {
        window_->OnClose();
    }
}

}  // namespace quillon
