// Window messages and the routing of control events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "WindowRig.h"
#include "platform/LanguageTable.h"
#include "ui/FileDialogs.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/pages/WindowMessages.h"
#include "ui/toolkit/MTabCtrl.h"

namespace quillon {
namespace {

using test::ModalAnswers;
using test::WindowRig;
using Box = ModalAnswers::Box;

TEST(QuitRequest, OnlyTheAgreedCodeEndsTheProgram) {
    WindowRig rig({test::Wired()});
    EXPECT_EQ(rig->OnWindowMessage(MSG_QUIT_REQUEST, 0, 611), 0);
    EXPECT_EQ(rig->OnWindowMessage(MSG_QUIT_REQUEST, 0, 0), 0);
    EXPECT_TRUE(rig.endedWith.empty());
    rig->OnWindowMessage(MSG_QUIT_REQUEST, 0, kQuitRequestCode);
    EXPECT_EQ(rig.endedWith, std::vector<int>{0});
}

TEST(QuitRequest, TheTrayMenusExitEndsTheProgram) {
    WindowRig rig({});
    rig->OnWindowMessage(WM_COMMAND, 7, 0);
    EXPECT_TRUE(rig.endedWith.empty());
    rig->OnWindowMessage(WM_COMMAND, kTrayExitCommand, 0);
    EXPECT_EQ(rig.endedWith, std::vector<int>{0});
}

TEST(TrayIcon, ALeftClickOrDoubleClickBringsTheHiddenWindowBack) {
    WindowRig rig({});
    struct Case {
        std::intptr_t mouseMessage;
        bool shows;
    };
    for (const Case& c : {Case{kTrayLeftButtonUp, true}, Case{kTrayLeftDoubleClick, true},
                          Case{kTrayRightButtonUp, false}, Case{0x200, false}}) {
        rig->ShowWindow(kSwHide);
        EXPECT_EQ(rig->OnWindowMessage(MSG_TRAY, 0, c.mouseMessage), 0);
        EXPECT_EQ(rig->IsWindowVisible(), c.shows) << c.mouseMessage;
    }
    EXPECT_TRUE(rig.endedWith.empty());
}

TEST(QuitRequest, ByDefaultTheRunEndsWithExitCodeZero) {
    test::IsolatedHome home;
    VirtualMouse mouse;
    VirtualMouseBackend backend(mouse);
    DeviceMainOptions options;
    options.backend = &backend;
    DeviceMainDlg window(std::move(options));
    ScopedModalHandler quit([&](MDialog& dialog) {
        ASSERT_EQ(&dialog, &window);
        window.PostMessage(MSG_QUIT_REQUEST, 0, kQuitRequestCode);
    });
    window.Run(true);
    EXPECT_EQ(window.ExitCode(), 0);
    EXPECT_EQ(quit.Runs(), 1);
}

TEST(TaskDone, TheResultBoxNamesTheTask) {
    WindowRig rig({test::Wired()});
    ModalAnswers modal;
    EXPECT_EQ(rig->OnWindowMessage(MSG_TASK_DONE, 0, kTaskDoneApplied), 1);
    EXPECT_EQ(rig->OnWindowMessage(MSG_TASK_DONE, 0, kTaskDoneRestored), 1);
    EXPECT_EQ(rig->OnWindowMessage(MSG_TASK_DONE, 0, 9), 1);
    EXPECT_EQ(modal.boxes, (std::vector<Box>{{GetText(115), GetText(210)},
                                             {GetText(112), GetText(212)},
                                             {GetText(112), GetText(212)}}));
}

TEST(WindowMessages, MessagesForPagesReachTheirPage) {
    WindowRig rig({});
    // The profile import asks for its file (cancelled here: nothing happens).
    ScopedFileAnswers files({""});
    EXPECT_EQ(rig->OnWindowMessage(MSG_PROFILE_FILE, 1, 0), 1);
    EXPECT_EQ(files.Questions().size(), 1u);
    // The macro page's menus with nothing selected do nothing, and say they were taken.
    EXPECT_EQ(rig->OnWindowMessage(MSG_MACRO_MENU, 0, 101), 1);
    EXPECT_EQ(rig->OnWindowMessage(MSG_INSERT_MENU, 0, 3), 1);
    EXPECT_EQ(rig->OnWindowMessage(MSG_ITEM_MENU, 0, 3), 1);
    // A DPI change shows the notice: a window of its own.
    const QWidgetList before = QApplication::topLevelWidgets();
    EXPECT_EQ(rig->OnWindowMessage(MSG_DPI_CHANGED, 0, (1600 << 16) | 3), 0);
    QWidgetList notices = QApplication::topLevelWidgets();
    notices.removeIf([&before](QWidget* w) { return before.contains(w); });
    ASSERT_EQ(notices.size(), 1);
    delete notices[0];  // it would close itself three seconds later, after this test
    EXPECT_EQ(rig->OnWindowMessage(WM_INPUT, 0, 0), 0);
    EXPECT_EQ(rig->OnWindowMessage(MSG_MOUSE_AT_EDGE, 1, 0), 0);
    EXPECT_EQ(rig->OnWindowMessage(MSG_TRAY, 0, 0x200), 0);
    EXPECT_EQ(rig->OnWindowMessage(MSG_APPLY_TEXTS, 0, 0), 0);
}

TEST(WindowMessages, ADeviceChangeQueuesTheTaskOnTheWindowThread) {
    WindowRig rig({test::Wired()});
    rig.TakeQueued();
    rig.mouse.Unplug(0);
    ASSERT_TRUE(test::WaitUntil([&] { return rig->Queue().Size() > 0; }));
    EXPECT_EQ(rig.TakeQueued(), std::vector<int>{3});
    // The worker refreshes, as DeviceRemoved does; then a plug is an arrival.
    rig->RefreshDevices();
    rig.mouse.Plug(0);
    ASSERT_TRUE(test::WaitUntil([&] { return rig->Queue().Size() > 0; }));
    EXPECT_EQ(rig.TakeQueued(), std::vector<int>{2});
}

TEST(Routing, EveryIdHasOneOwner) {
    WindowRig rig({test::Wired()});
    EXPECT_TRUE(rig->Router().Conflicts().empty());
    EXPECT_TRUE(rig->IdClashes().empty());
    // Each page's ids reach it; the window keeps its own rows, ids of nobody answer 0.
    for (int id : {60, 62, 85, 98, 101, 107, 114, 126, 162, 173, 272, 283}) {
        EXPECT_TRUE(rig->Router().Covers(id)) << id;
    }
    for (int id : {1, 29, 300, 999}) {
        EXPECT_EQ(rig.Click(id), 0) << id;
    }
    // Click rows ignore other events.
    for (int id : {36, 37, 44, 88, 89, 90, 278}) {
        EXPECT_EQ(rig->OnMessage(id, kEventChanging, 0), 0) << id;
    }
    EXPECT_TRUE(rig.TakeQueued().size() == 1);  // InitialLoad only
}

TEST(Routing, TabsWindowButtonsAndTheWebLink) {
    WindowRig rig({test::Wired()});
    rig->ShowWindow(kSwShowNormal);
    EXPECT_EQ(rig->OnMessage(home_ids::kTabs, kEventClick, 4), 1);
    EXPECT_EQ(rig->CurrentTab(), home_ids::kSettingsItem);
    EXPECT_EQ(rig->OnMessage(home_ids::kTabs, kEventClick, 2), 1);
    EXPECT_EQ(rig->CurrentTab(), home_ids::kPerformanceItem);

    EXPECT_EQ(rig.Click(home_ids::kWebLink), 1);
    EXPECT_EQ(rig.openedUrls, std::vector<std::string>{kMakerWebAddress});

    // Without a tray icon the first close says how to get the window back, and only the first.
    ModalAnswers modal;
    EXPECT_EQ(rig.Click(home_ids::kClose), 1);
    EXPECT_FALSE(rig->IsWindowVisible());
    EXPECT_TRUE(rig.endedWith.empty());
    rig->RequestShow();
    ASSERT_TRUE(test::WaitUntil([&] { return rig->IsWindowVisible(); }));
    EXPECT_EQ(rig.Click(home_ids::kClose), 1);
    rig->RequestShow();
    ASSERT_TRUE(test::WaitUntil([&] { return rig->IsWindowVisible(); }));
    ASSERT_EQ(modal.boxes.size(), 1u);
    EXPECT_EQ(modal.boxes[0].title, GetText(681));
    EXPECT_NE(modal.boxes[0].text.find("quillonctl"), std::string::npos) << modal.boxes[0].text;
    EXPECT_EQ(rig.Click(home_ids::kMinimize), 1);
    EXPECT_TRUE(rig->View()->isMinimized());
}

TEST(Routing, AWindowManagerCloseHidesAndTheRunGoesOn) {
    test::IsolatedHome home;
    VirtualMouse mouse;
    VirtualMouseBackend backend(mouse);
    DeviceMainOptions options;
    options.backend = &backend;
    DeviceMainDlg window(std::move(options));
    bool hiddenAfterClose = false;
    ScopedModalHandler closeThenQuit([&](MDialog& run) {
        if (&run != &window) {
            run.DoOK();  // the notice of the first close without a tray icon
            return;
        }
        window.View()->close();  // what Alt+F4 asks for
        hiddenAfterClose = !window.IsWindowVisible();
        window.PostMessage(MSG_QUIT_REQUEST, 0, kQuitRequestCode);
    });
    window.Run(true);
    EXPECT_TRUE(hiddenAfterClose);
    EXPECT_EQ(window.ExitCode(), 0);
}

TEST(Keyboard, ArrowsMoveTheTabsAndTellTheController) {
    WindowRig rig({test::Wired()});
    auto* tabs = rig->GetControl<MTabCtrl>(home_ids::kTabs);
    ASSERT_EQ(tabs->GetCurSel(), 1);
    rig->ShowWindow(kSwShowNormal);
    QApplication::setActiveWindow(rig->View());
    QWidget* view = tabs->View();
    view->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(view->hasFocus());
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &right);
    EXPECT_EQ(tabs->GetCurSel(), 2);
    EXPECT_EQ(rig->CurrentTab(), home_ids::kPerformanceItem);
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &home);
    EXPECT_EQ(rig->CurrentTab(), home_ids::kHomeItem);
    // The close button takes the keyboard focus and Space presses it.
    ModalAnswers closeNotice;
    QWidget* close = rig->GetControl(home_ids::kClose)->View();
    EXPECT_EQ(close->focusPolicy(), Qt::StrongFocus);
    close->setFocus(Qt::TabFocusReason);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(close, &space);
    EXPECT_FALSE(rig->IsWindowVisible());
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

TEST(Lifetime, AWindowDestroyedBeforeItsLoopRanLeavesNothingBehind) {
    test::WindowRig rig({test::Wired()});
    for (int i = 0; i < 3; ++i) {
        DeviceMainOptions options;
        options.backend = &rig.backend;
        options.startWorker = false;
        DeviceMainDlg gone(std::move(options));
        gone.Create(nullptr, kProductName, kWsPopup, 0, {0, 0, 1121, 780});
    }
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
    test::WaitUntil([&] { return std::chrono::steady_clock::now() > until; });
    EXPECT_EQ(rig.TakeQueued(), std::vector<int>{1});
    EXPECT_EQ(rig->GetControl(home_ids::kStatus)->GetTitle(), GetText(51));
}

}  // namespace
}  // namespace quillon
