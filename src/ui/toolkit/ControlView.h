#pragma once

#include <QWidget>

namespace quillon {

class MControl;

// The Qt widget of a control: draws it and hands pointer events to it.
class ControlView : public QWidget {
  public:
    ControlView(MControl* control, QWidget* parent);
    void Detach() { control_ = nullptr; }
    MControl* Control() const { return control_; }
    bool Pressed() const { return pressed_; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    MControl* control_;
    bool hover_ = false;
    bool pressed_ = false;
};

}  // namespace quillon
