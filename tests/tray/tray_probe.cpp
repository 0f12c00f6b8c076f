// The tray in a process of its own, for what ends a process or needs a session bus.
//
//   tray_probe exit
//       chooses the tray menu's item; prints "item <text>" first. The item ends the process with
//       status 0; status 3 means it did not.
//   tray_probe battery [--no-service] LEVEL STATE ...
//       offers a notification service on the session bus (unless --no-service), reports the
//       battery levels and states from another thread, prints "notice <title>|<text>" for each
//       notification the service receives, then "end".
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "app/QtSystemTray.h"
#include "app/TrayMessages.h"
#include "ui/toolkit/MDialog.h"

namespace quillon {
namespace {

class TrayWindow : public MDialog {
  public:
    std::intptr_t OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override {
        if (tray != nullptr && HandleTrayMessage(*this, *tray, message, wParam, lParam)) {
            return 0;
        }
        return MDialog::OnWindowMessage(message, wParam, lParam);
    }
    SystemTray* tray = nullptr;
};

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

int ChooseExit(TrayWindow& window, QtSystemTray& tray) {
    window.tray = &tray;
    QAction* item = tray.Menu().actions().value(0);
    if (item == nullptr) {
        return 4;
    }
    std::printf("item %s\n", qPrintable(item->text()));
    std::fflush(stdout);
    item->trigger();
    QTimer::singleShot(5000, [] { QApplication::exit(3); });
    return QApplication::exec();
}

int ReportBattery(QtSystemTray& tray, std::vector<char*> arguments) {
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
    std::thread worker([&] {
        for (size_t i = 0; i + 1 < arguments.size(); i += 2) {
            tray.SetBattery(std::atoi(arguments[i]), std::atoi(arguments[i + 1]));
        }
    });
    worker.join();
    // Long enough for every notice sent to arrive; one too many would show too.
    QTimer::singleShot(1500, [] { QApplication::exit(0); });
    const int status = QApplication::exec();
    std::printf("end\n");
    return status;
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        return 64;
    }
    quillon::TrayWindow window;
    window.Create(nullptr, "Tray probe", quillon::kWsPopup, 0, {0, 0, 200, 100});
    quillon::QtSystemTray tray(window);
    tray.Add("Quillon Mouse");
    if (std::strcmp(argv[1], "exit") == 0) {
        return quillon::ChooseExit(window, tray);
    }
    if (std::strcmp(argv[1], "battery") == 0) {
        return quillon::ReportBattery(tray, std::vector<char*>(argv + 2, argv + argc));
    }
    return 64;
}
