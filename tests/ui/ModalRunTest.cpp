#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <thread>

#include "RecordingDialog.h"
#include "support/QtInput.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MenuWnd.h"
#include "ui/toolkit/ModalHooks.h"

namespace quillon {
namespace {

// A dialog whose button 7 ends the run with OK.
class OkDialog : public test::RecordingDialog {
  public:
    OkDialog() {
        build = [](RecordingDialog& d) { d.CreateControl<MButton>(7, {10, 10, 100, 40}); };
    }
    int OnMessage(int id, int code, std::intptr_t param) override {
        RecordingDialog::OnMessage(id, code, param);
        if (id == 7 && code == kEventClick) {
            DoOK();
        }
        return 1;
    }
};

TEST(ModalRun, AHandlerPressesAButtonLikeAPerson) {
    test::RecordingDialog owner;
    owner.Open();
    OkDialog dialog;
    dialog.Create(&owner, "Ask", kWsPopup, 0, {0, 0, 200, 100});
    ScopedModalHandler answer([](MDialog& run) { test::Click(*run.GetControl(7)); });
    EXPECT_EQ(dialog.ShowModal(kSwShowNormal), kIdOk);
    EXPECT_EQ(answer.Runs(), 1);
    EXPECT_FALSE(dialog.IsWindowVisible()) << "the window hides when its run ends";
}

TEST(ModalRun, DoOkFromAnotherThreadEndsTheRun) {
    test::RecordingDialog dialog;
    dialog.Create(nullptr, "Wait", kWsPopup, 0, {0, 0, 100, 100});
    std::thread worker;
    ScopedModalHandler leave([&](MDialog& run) {
        worker = std::thread([&run] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            run.DoOK();
        });
    });
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(dialog.ShowModal(kSwShow), kIdOk);
    worker.join();
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(30));
}

TEST(ModalRun, AnEndRequestedBeforeTheRunEndsItAtOnce) {
    test::RecordingDialog dialog;
    dialog.Create(nullptr, "Wait", kWsPopup, 0, {0, 0, 100, 100});
    std::thread([&] { dialog.DoCancel(); }).join();
    ScopedModalHandler never([](MDialog&) { ADD_FAILURE() << "the run should not begin"; });
    EXPECT_EQ(dialog.ShowModal(kSwShow), kIdCancel);
    EXPECT_EQ(never.Runs(), 0);

    // The request is used up: the next run waits for its own end.
    ScopedModalHandler ok([](MDialog& run) { run.DoOK(); });
    EXPECT_EQ(dialog.ShowModal(kSwShow), kIdOk);
}

TEST(ModalRun, PostedMessagesAreHandledDuringARun) {
    test::RecordingDialog owner;
    owner.Open();
    test::RecordingDialog dialog;
    dialog.Create(&owner, "Wait", kWsPopup, 0, {0, 0, 100, 100});
    ScopedModalHandler answer([&](MDialog& run) {
        owner.PostMessage(1714, 0, 1);
        EXPECT_TRUE(test::WaitUntil([&] { return owner.messages.size() == 1; }));
        run.DoOK();
    });
    EXPECT_EQ(dialog.ShowModal(kSwShow), kIdOk);
    EXPECT_EQ(owner.messages.size(), 1u);
}

TEST(ModalRun, DestroyingTheWindowEndsItsRun) {
    test::RecordingDialog dialog;
    dialog.Create(nullptr, "Wait", kWsPopup, 0, {0, 0, 100, 100});
    ScopedModalHandler destroy([](MDialog& run) { run.DestroyWindow(); });
    EXPECT_EQ(dialog.ShowModal(kSwShow), kIdCancel);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.ShowModal(kSwShow), kIdCancel) << "no window, no run";
}

TEST(ModalRun, ChoosingAMenuItemPostsItsIdToTheOwner) {
    test::RecordingDialog owner;
    owner.Open();
    MenuWnd menu;
    menu.AddItem(101, "Copy");
    menu.AddItem(102, "Delete");
    ASSERT_TRUE(menu.Create(&owner, 1709, 150, 150));
    ASSERT_TRUE(test::ChoosePopupItem(1));
    ASSERT_TRUE(test::WaitUntil([&] { return owner.messages.size() == 1; }));
    EXPECT_EQ(owner.messages[0].message, 1709u);
    EXPECT_EQ(owner.messages[0].lParam, 102);
    EXPECT_FALSE(MenuWnd().Create(nullptr, 1709, 0, 0));
}

}  // namespace
}  // namespace quillon
