// quillon-mouse: the desktop program. Start-up in its fixed order of steps, on this
// platform's own services; then the main window's modal run and the shutdown.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <iostream>
#include <memory>

#include "app/AppCommandLine.h"
#include "app/DeviceMainDlg.h"
#include "app/ProcessSignals.h"
#include "app/Trace.h"
#include "device/HidapiBackend.h"
#include "emulator/EmulatedMouse.h"
#include "platform/DesktopSession.h"
#include "platform/DisplayMetrics.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/x11/DesktopTyper.h"
#include "platform/x11/X11EdgeWatch.h"
#include "ui/pages/WindowMessages.h"
#include "ui/toolkit/Manager.h"

namespace quillon {
namespace {

constexpr const char* kFontName = "Open Sans Semibold";
constexpr int kVirtualMouseNotice = 900;

MonitorRect RectOf(const QScreen& screen) {
    QRect r = screen.geometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Step 6, from the screens Qt reports (logical coordinates, physical = logical × pixel ratio).
DisplayMetrics MetricsOfScreens() {
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        return {};
    }
    std::vector<MonitorRect> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) {
        monitors.push_back(RectOf(*screen));
    }
    int physicalWidth =
        static_cast<int>(primary->geometry().width() * primary->devicePixelRatio() + 0.5);
    return ComputeDisplayMetrics(physicalWidth, RectOf(*primary), monitors);
}

// What another copy of the program (or a tool of the user) sends over the socket. Runs on the
// socket's thread; the window takes it on its own.
void DeliverToWindow(DeviceMainDlg& window, const InstanceMessage& message) {
    if (message.show) {
        window.RequestShow();
    } else {
        window.PostMessage(static_cast<unsigned>(message.message),
                           static_cast<std::uintptr_t>(message.wParam),
                           static_cast<std::intptr_t>(message.lParam));
    }
}

int RunWindow(int argc, char** argv, const AppCommandLine& line, SingleInstance& instance) {
    QApplication application(argc, argv);
    // Hidden in the notification area is still running: only the quit paths end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // 2, 3 and 9 (debug privilege, GDI+, COM/OLE) have nothing to do on Linux.
    // 4, 5: language, toolkit font and resource folder.
    ChooseLanguage();
    Manager::SetFontName(kFontName);
    Manager::SetInstance(ResourceFolder());
    // 6.
    SetProcessDisplayMetrics(MetricsOfScreens());
    // 7 follows once the window exists: the edge watch reports to it.
    // 8.
    CreateFolderPath(DataFolder() + "db");

    // The devices: hidapi, or the virtual mouse asked for.
    std::unique_ptr<HidapiBackend> hidapi;
    EmulatedMouse emulated;
    DeviceMainOptions options;
    if (line.emulate) {
        DeviceCatalogue catalogue;
        catalogue.Load(DefaultCataloguePath());
        std::string error;
        if (!emulated.Open(line.emulateSpec, catalogue.FamilyModes(), error)) {
            std::cerr << "quillon-mouse: --emulate: " << error << "\n";
            return 64;
        }
        options.backend = &emulated.Backend();
        options.startNotice = GetText(kVirtualMouseNotice);
    } else {
        hidapi = std::make_unique<HidapiBackend>();
        options.backend = hidapi.get();
    }
    // Emoji buttons type through the desktop (nothing in a Wayland session).
    std::unique_ptr<TextTyper> typer = MakeDesktopTyper();
    options.typer = typer.get();

    // 11, 12: the controller, and the window's run. Its initialisation starts answering the
    // socket: a second start from then on shows this window.
    DeviceMainDlg* target = nullptr;
    options.startAnswering = [&instance, &target] {
        if (instance.StartListening(
                [target](const InstanceMessage& message) { DeliverToWindow(*target, message); })) {
            Trace("quillon-mouse: answering the single-instance socket\n");
        }
    };
    auto window = std::make_unique<DeviceMainDlg>(std::move(options));
    target = window.get();
    QuitOnSignals endOnSignals(
        [target] { target->PostMessage(MSG_QUIT_REQUEST, 0, kQuitRequestCode); });
    // 7: the screen-edge watch, where the desktop shares the pointer's motion.
    X11EdgeWatch edgeWatch;
    if (!IsWaylandSession() &&
        !edgeWatch.Start([target](int side) { target->PostMessage(MSG_MOUSE_AT_EDGE, side, 0); },
                         ProcessDisplayMetrics().desktopSpan)) {
        Trace("无法安装全局鼠标钩子\n");
    }
    window->Run(!line.hide);

    // 13: nothing reaches the window any more, the worker stops, then the window goes.
    edgeWatch.Stop();
    instance.Stop();
    window->StopWorker();
    const int exitCode = window->ExitCode();
    window.reset();
    std::string error;
    if (!emulated.Save(error)) {
        std::cerr << "quillon-mouse: the virtual mouse's state was not kept: " << error << "\n";
    }
    return exitCode;
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
    using namespace quillon;
    const AppCommandLine line =
        ParseAppCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.help) {
        std::cout << AppHelpText();
        return 0;
    }
    if (line.version) {
        std::cout << "quillon-mouse " << QUILLON_VERSION << " (" << kProductName << ")\n";
        return 0;
    }
    // 1: one copy per user. A second start asks the first to show its window and ends.
    SingleInstance instance;
    switch (instance.TryAcquire()) {
        case SingleInstance::Role::Second: {
            InstanceMessage show;
            show.show = true;
            instance.SendToFirst(show);
            return 0;
        }
        case SingleInstance::Role::Unguarded:
            std::cerr << "quillon-mouse: cannot use " << instance.socketPath()
                      << " safely; running without the single-instance guard\n";
            break;
        case SingleInstance::Role::First:
            break;
    }
    return RunWindow(argc, argv, line, instance);
}
