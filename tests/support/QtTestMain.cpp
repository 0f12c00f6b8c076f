// main() of the tests that need Qt widgets: builds the QApplication on the offscreen platform
// (unless one is chosen), then runs the tests.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/ModalHooks.h"

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
