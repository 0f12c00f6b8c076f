#include "support/QtInput.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "ui/toolkit/MControl.h"

namespace quillon::test {
namespace {

QPoint PointIn(MControl& control, int x, int y) {
    QWidget* view = control.View();
    return (x < 0 || y < 0) ? view->rect().center() : QPoint(x, y);
}

QLineEdit* FieldOf(MControl& control) {
    return control.View() != nullptr ? control.View()->findChild<QLineEdit*>() : nullptr;
}

}  // namespace

void Click(MControl& control, int x, int y) {
    QTest::mouseClick(control.View(), Qt::LeftButton, {}, PointIn(control, x, y));
}

void RightClick(MControl& control, int x, int y) {
    QTest::mouseClick(control.View(), Qt::RightButton, {}, PointIn(control, x, y));
}

void DoubleClick(MControl& control, int x, int y) {
    QPoint point = PointIn(control, x, y);
    QTest::mouseClick(control.View(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(control.View(), Qt::LeftButton, {}, point);
}

void Drag(MControl& control, int fromX, int toX) {
    QWidget* view = control.View();
    int y = view->height() / 2;
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(fromX, y));
    int step = fromX < toX ? 10 : -10;
    for (int x = fromX + step; (step > 0 ? x < toX : x > toX); x += step) {
        QTest::mouseMove(view, QPoint(x, y));
    }
    QTest::mouseMove(view, QPoint(toX, y));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(toX, y));
}

void Focus(MControl& control) {
    QLineEdit* field = FieldOf(control);
    if (field == nullptr) {
        return;
    }
    QWidget* window = field->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    field->setFocus(Qt::MouseFocusReason);
    ProcessEvents();
}

void Type(MControl& control, const std::string& text, bool pressEnter) {
    QLineEdit* field = FieldOf(control);
    if (field == nullptr) {
        return;
    }
    QTest::keyClicks(field, QString::fromStdString(text));
    if (pressEnter) {
        QTest::keyClick(field, Qt::Key_Return);
    }
}

void ClearFocus() {
    if (QWidget* focused = QApplication::focusWidget()) {
        focused->clearFocus();
    }
    ProcessEvents();
}

bool ChoosePopupItem(int index) {
    if (!WaitUntil(
            [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; },
            1000)) {
        return false;
    }
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QList<QAction*> actions = menu->actions();
    if (index < 0 || index >= actions.size()) {
        menu->close();
        return false;
    }
    actions[index]->trigger();
    menu->close();
    ProcessEvents();
    return true;
}

bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

void ProcessEvents() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace quillon::test
