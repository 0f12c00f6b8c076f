// The program's main window with its tray in a process of its own, for what ends a process or
// needs a session bus. It runs in a home of its own, over a virtual mouse, and prints "end" once
// the window's run has returned and its device worker has stopped, as the program's shutdown
// does; its status is then the window's exit code.
//
//   tray_probe exit
//       with a mouse on the cable, chooses the tray menu's item once the window is up; prints
//       "item <text>" first. Status 3 means the item did not end the run.
//   tray_probe battery [--no-service] LEVEL STATE ...
//       with no mouse attached, offers a notification service on the session bus (unless
//       --no-service), reports the battery levels and states to the window from another thread
//       as its device worker does, prints "notice <title>|<text>" for each notification the
//       service receives, and ends the run with the quit request.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "app/DeviceMainDlg.h"
#include "app/QtSystemTray.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"
#include "ui/pages/WindowMessages.h"

namespace quillon {
namespace {

// A notification service that prints what it is asked to show.
class NotificationService : public QDBusVirtualObject {
  public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != "Notify" || message.arguments().size() < 5) {
            return false;
        }
        std::printf("notice %s|%s\n", qPrintable(message.arguments()[3].toString()),
                    qPrintable(message.arguments()[4].toString()));
        std::fflush(stdout);
        connection.send(message.createReply(QVariant::fromValue(++count_)));
        return true;
    }

  private:
    uint count_ = 0;
};

// Runs the main window hidden, calls `whenUp` once its initialisation has finished, and ends
// as the program's shutdown does.
int RunWindow(VirtualMouse& mouse,
              const std::function<void(DeviceMainDlg&, QtSystemTray&)>& whenUp) {
    VirtualMouseBackend backend(mouse);
    QtSystemTray* tray = nullptr;
    DeviceMainOptions options;
    options.backend = &backend;
    options.createTray = [&tray](MWindow& window) {
        auto created = std::make_unique<QtSystemTray>(window);
        tray = created.get();
        return created;
    };
    DeviceMainDlg window(std::move(options));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (window.Initialised() && tray != nullptr) {
            poll.stop();
            whenUp(window, *tray);
        }
    });
    poll.start(10);
    window.Run(false);
    window.StopWorker();
    std::printf("end\n");
    std::fflush(stdout);
    return window.ExitCode();
}

void ChooseExit(QtSystemTray& tray) {
    QAction* item = tray.Menu().actions().value(0);
    if (item == nullptr) {
        std::_Exit(4);
    }
    std::printf("item %s\n", qPrintable(item->text()));
    std::fflush(stdout);
    item->trigger();
    QTimer::singleShot(10000, [] { std::_Exit(3); });
}

int ReportBattery(std::vector<char*> arguments) {
    NotificationService service;
    if (arguments.empty() || std::strcmp(arguments.front(), "--no-service") != 0) {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "service");
        if (!bus.registerService("org.freedesktop.Notifications") ||
            !bus.registerVirtualObject("/org/freedesktop/Notifications", &service)) {
            std::printf("no session bus for the service\n");
            return 5;
        }
    } else {
        arguments.erase(arguments.begin());
    }
    VirtualMouse nothingAttached;
    return RunWindow(nothingAttached, [&arguments](DeviceMainDlg& window, QtSystemTray&) {
        std::thread worker([&] {
            for (size_t i = 0; i + 1 < arguments.size(); i += 2) {
                window.SetBattery(std::atoi(arguments[i]), std::atoi(arguments[i + 1]));
            }
        });
        worker.join();
        // Long enough for every notice sent to arrive; one too many would show too.
        QTimer::singleShot(
            1500, [&window] { window.PostMessage(MSG_QUIT_REQUEST, 0, kQuitRequestCode); });
    });
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Hidden is still running, as in the program: only the quit paths end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    quillon::test::IsolatedHome home;
    if (argc >= 2 && std::strcmp(argv[1], "exit") == 0) {
        quillon::VirtualMouse mouse;
        mouse.Connect(quillon::test::Wired());
        return quillon::RunWindow(mouse, [](quillon::DeviceMainDlg&, quillon::QtSystemTray& tray) {
            quillon::ChooseExit(tray);
        });
    }
    if (argc >= 2 && std::strcmp(argv[1], "battery") == 0) {
        return quillon::ReportBattery(std::vector<char*>(argv + 2, argv + argc));
    }
    return 64;
}
