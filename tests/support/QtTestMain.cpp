// main() of the tests that need Qt widgets: builds the QApplication on the offscreen platform
// (unless one is chosen), then runs the tests.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/ModalHooks.h"

#if defined(__SANITIZE_THREAD__)
// Under ThreadSanitizer the Qt tests load the suppressions of what the sanitizer cannot see
// inside Debian's Qt libraries (the file gives each entry's reason). TSAN_OPTIONS still adds to
// these or overrides them.
extern "C" const char* __tsan_default_options() {
    return "suppressions=" QUILLON_TSAN_QT_SUPPRESSIONS;
}
#endif

// Leaks of the desktop libraries under Qt, not ours: fontconfig's font fallback (characters the
// main font lacks, such as the items' arrows) and D-Bus (the xcb platform). LeakSanitizer reads
// this hook when the tests are built with it; otherwise nothing calls it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // A modal run that no test answers would wait for a person for ever: fail and cancel it.
    quillon::ScopedModalHandler unanswered([](quillon::MDialog& dialog) {
        ADD_FAILURE() << "a modal run that the test does not answer";
        dialog.DoCancel();
    });
    return RUN_ALL_TESTS();
}
