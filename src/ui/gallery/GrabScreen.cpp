// quillon-grab: writes what the X display shows (the whole screen, or one window by its id) to
// a PNG, for the screenshots of the README. Not installed.
//
//     quillon-grab OUT.png [WINDOW-ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: quillon-grab OUT.png [WINDOW-ID]\n";
        return 64;
    }
    QGuiApplication application(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::cerr << "quillon-grab: no screen\n";
        return 1;
    }
    WId window = argc > 2 ? static_cast<WId>(std::strtoull(argv[2], nullptr, 0)) : 0;
    QPixmap shot = screen->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "quillon-grab: could not write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
