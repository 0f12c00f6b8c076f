// The floor of any Qt 6 Widgets program: one empty top-level window of the main window's size,
// shown and idling. The start-up benchmark measures quillon-mouse against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(1121, 780);
    window.show();
    return QApplication::exec();
}
