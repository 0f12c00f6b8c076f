#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/QtSystemTray.h"
#include "app/TrayIconImage.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "support/ChildProcess.h"
#include "support/QtInput.h"
#include "ui/toolkit/MDialog.h"

namespace quillon {
namespace {

using namespace std::chrono_literals;

// A main window that records what its tray posts to it. (What the program's window does with
// it is the app tests' business; the probe runs the real window.)
class TrayWindow : public MDialog {
  public:
    std::intptr_t OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override {
        seen.push_back({message, wParam, lParam});
        return MDialog::OnWindowMessage(message, wParam, lParam);
    }
    struct Message {
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        bool operator==(const Message&) const = default;
    };
    std::vector<Message> seen;
};

// The offscreen platform has no tray: the test delivers what a tray would.
class SystemTrayTest : public ::testing::Test {
  protected:
    SystemTrayTest() {
        SetCurrentLanguageId(kLanguageEnglishUs);
        window_.Create(nullptr, "Main", kWsPopup, 0, {100, 100, 700, 500});
    }
    ~SystemTrayTest() override { window_.DestroyWindow(); }

    TrayWindow window_;
    QtSystemTray tray_{window_};
};

TEST_F(SystemTrayTest, ClicksPostTheirMouseMessageAndOtherEventsNothing) {
    EXPECT_FALSE(tray_.Add("Quillon Mouse"));
    EXPECT_FALSE(tray_.IsShown());
    using Message = TrayWindow::Message;
    struct Case {
        QSystemTrayIcon::ActivationReason reason;
        std::vector<Message> posted;
    };
    for (const Case& c :
         {Case{QSystemTrayIcon::Trigger, {{MSG_TRAY, 0, kTrayLeftButtonUp}}},
          Case{QSystemTrayIcon::DoubleClick, {{MSG_TRAY, 0, kTrayLeftDoubleClick}}},
          Case{QSystemTrayIcon::Context, {}}, Case{QSystemTrayIcon::MiddleClick, {}}}) {
        window_.seen.clear();
        emit tray_.Icon().activated(c.reason);
        if (!c.posted.empty()) {
            EXPECT_TRUE(test::WaitUntil([&] { return !window_.seen.empty(); })) << c.reason;
        }
        test::ProcessEvents();
        EXPECT_EQ(window_.seen, c.posted) << c.reason;
    }
}

TEST_F(SystemTrayTest, MenuHasOneItemThatPostsTheExitCommand) {
    const QList<QAction*> items = tray_.Menu().actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text().toStdString(), GetText(12));
    EXPECT_EQ(items[0]->text().toStdString(), "Exit");
    EXPECT_EQ(tray_.Icon().contextMenu(), &tray_.Menu());
    items[0]->trigger();
    ASSERT_TRUE(test::WaitUntil([&] { return !window_.seen.empty(); }));
    EXPECT_EQ(window_.seen[0].message, WM_COMMAND);
    EXPECT_EQ(window_.seen[0].wParam, kTrayExitCommand);
}

// The program's window with a working mouse: the item ends its run the normal way (the run
// returns and the worker stops before the process ends), with status 0.
TEST(TrayExitTest, TheMenuItemEndsTheWindowsRunWithStatusZero) {
    test::ChildProcess probe({TRAY_PROBE, "exit"});
    ASSERT_TRUE(probe.started());
    EXPECT_EQ(probe.ReadLine(20s), "item Exit");
    EXPECT_EQ(probe.ReadLine(20s), "end");
    EXPECT_EQ(probe.Wait(20s), 0);
}

TEST_F(SystemTrayTest, TipShowsTheBatteryOnceKnown) {
    tray_.Add("Quillon Mouse");
    struct Case {
        int level;
        int state;
        const char* tip;
    };
    for (const Case& c :
         {Case{76, 0, "Quillon Mouse\nBattery 76%"},
          Case{40, 1, "Quillon Mouse\nBattery 40% (charging)"}, Case{0, 2, "Quillon Mouse"}}) {
        // The device worker reports it.
        std::thread worker([&] { tray_.SetBattery(c.level, c.state); });
        worker.join();
        EXPECT_TRUE(test::WaitUntil([&] { return tray_.Icon().toolTip() == c.tip; }))
            << tray_.Icon().toolTip().toStdString();
    }
}

TEST(TrayIconImageTest, TheMarkIsDrawnOpaqueInItsMiddleAndClearAtItsCorners) {
    for (int size : {16, 22, 32, 64}) {
        const QImage image = DrawTrayIconImage(size).toImage();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size * 3 / 4)), 255) << size;
    }
    if (const char* folder = std::getenv("QUILLON_SCREENSHOT_DIR")) {
        EXPECT_TRUE(DrawTrayIconImage(128).save(QString(folder) + "/tray-icon.png"));
    }
}

// Exactly two notices for two discharges below the mark, on a session bus of the test's own.
TEST(LowBatteryNoticeTest, NoticesReachTheDesktopsNotificationService) {
    if (!QFileInfo::exists("/usr/bin/dbus-run-session")) {
        GTEST_SKIP() << "no dbus-run-session (Debian package dbus)";
    }
    test::ChildProcess probe(
        {"/usr/bin/env", "DISPLAY=", "WAYLAND_DISPLAY=", "/usr/bin/dbus-run-session", "--",
         TRAY_PROBE, "battery", "40", "0", "15", "0", "12", "0", "14", "0", "50", "1", "10", "0"});
    std::vector<std::string> lines;
    while (auto line = probe.ReadLine(20s)) {
        lines.push_back(*line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "notice Mouse battery low|The mouse battery is at 15%. Please charge the "
                         "mouse soon.",
                         "notice Mouse battery low|The mouse battery is at 10%. Please charge the "
                         "mouse soon.",
                         "end"}));
    EXPECT_EQ(probe.Wait(20s), 0);
}

TEST(LowBatteryNoticeTest, WithoutANotificationServiceTheNoticeIsSilent) {
    if (!QFileInfo::exists("/usr/bin/dbus-run-session")) {
        GTEST_SKIP() << "no dbus-run-session (Debian package dbus)";
    }
    for (const std::vector<std::string>& argv :
         {std::vector<std::string>{"/usr/bin/env",
                                   "DISPLAY=", "WAYLAND_DISPLAY=", "/usr/bin/dbus-run-session",
                                   "--", TRAY_PROBE, "battery", "--no-service", "10", "0"},
          // No session bus at all.
          std::vector<std::string>{"/usr/bin/env", "DISPLAY=", "WAYLAND_DISPLAY=",
                                   "DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus",
                                   TRAY_PROBE, "battery", "--no-service", "10", "0"}}) {
        test::ChildProcess probe(argv);
        std::vector<std::string> lines;
        while (auto line = probe.ReadLine(20s)) {
            lines.push_back(*line);
        }
        EXPECT_EQ(lines, std::vector<std::string>{"end"}) << argv[3];
        EXPECT_EQ(probe.Wait(20s), 0) << argv[3];
    }
}

}  // namespace
}  // namespace quillon
