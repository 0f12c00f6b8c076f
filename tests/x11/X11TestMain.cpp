// main() of the X11 tests: starts an Xvfb server of their own (so they never type into the
// desktop of the person running them), points $DISPLAY and Qt at it, then runs the tests. When
// no Xvfb can be started the tests that need one skip.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "support/ChildProcess.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/ModalHooks.h"

namespace {

std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate =
            std::filesystem::path(folders.substr(start, end - start)) / name;
        if (std::filesystem::exists(candidate)) {
            return candidate.string();
        }
        start = end + 1;
    }
    return {};
}

// Xvfb picks a free display number and prints it on the descriptor given to -displayfd.
std::unique_ptr<quillon::test::ChildProcess> StartXvfb() {
    const std::string program = FindProgram("Xvfb");
    if (program.empty()) {
        return nullptr;
    }
    auto server = std::make_unique<quillon::test::ChildProcess>(std::vector<std::string>{
        program, "-displayfd", "1", "-screen", "0", "1400x900x24", "-nolisten", "tcp"});
    if (!server->started()) {
        return nullptr;
    }
    const std::optional<std::string> number = server->ReadLine(std::chrono::seconds(10));
    if (!number || number->empty()) {
        return nullptr;
    }
    setenv("DISPLAY", (":" + *number).c_str(), 1);
    return server;
}

}  // namespace

// Leaks of the desktop libraries under Qt, not ours: fontconfig's font fallback (characters the
// main font lacks, such as the items' arrows) and D-Bus (the xcb platform). LeakSanitizer reads
// this hook when the tests are built with it; otherwise nothing calls it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("DISPLAY");
    std::unique_ptr<quillon::test::ChildProcess> server = StartXvfb();
    qputenv("QT_QPA_PLATFORM", server ? "xcb" : "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        quillon::ScopedModalHandler unanswered([](quillon::MDialog& dialog) {
            ADD_FAILURE() << "a modal run that the test does not answer";
            dialog.DoCancel();
        });
        result = RUN_ALL_TESTS();
    }
    return result;
}
