#pragma once

#include <QPoint>
#include <QWidget>

namespace quillon {

class MWindow;

// The Qt window behind an MWindow: paints the background, reports resizes, drags the window when
// the dialog allows it, and hands a close request to its window.
class WindowView : public QWidget {
  public:
    WindowView(MWindow* window, QWidget* parent, Qt::WindowFlags flags);
    void Detach() { window_ = nullptr; }
    MWindow* Window() const { return window_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    MWindow* window_;
    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace quillon
