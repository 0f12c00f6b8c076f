#pragma once

#include <QApplication>
#include <cstdlib>

namespace quillon {

// The one QApplication of a benchmark program that draws controls: offscreen unless a platform
// is chosen, with the build tree's resources.
inline QApplication& QtBenchApp() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        setenv("QUILLON_RESOURCE_DIR", QUILLON_BIN_DIR, 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace quillon
