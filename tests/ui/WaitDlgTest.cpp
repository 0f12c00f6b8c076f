#include <gtest/gtest.h>

#include <QWidget>
#include <atomic>
#include <chrono>
#include <thread>

#include "RecordingDialog.h"
#include "support/QtInput.h"
#include "ui/WaitDlg.h"
#include "ui/toolkit/CGifPicture.h"
#include "ui/toolkit/ModalHooks.h"

namespace quillon {
namespace {

class WaitDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner_.Create(nullptr, "Main", kWsPopup | kWsVisible, 0, {100, 50, 1221, 830});
    }
    test::RecordingDialog owner_;
};

TEST_F(WaitDlgTest, TheWorkerClosesItFromItsOwnThread) {
    WaitDialogSlot slot;
    slot.Replace();
    std::thread worker;
    MRect shownAt;
    bool animating = false;
    ScopedModalHandler leave([&](MDialog& dialog) {
        shownAt = dialog.GetWindowRect();
        auto* picture = dialog.GetControl<CGifPicture>(WaitDlg::kPictureId);
        animating = picture != nullptr && picture->IsRunning();
        // The owner moves while the dialog is up; the dialog stays where it was put.
        owner_.View()->move(300, 300);
        worker = std::thread([&slot] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            slot.CloseCurrent();
        });
    });
    EXPECT_EQ(slot.ShowCurrent(&owner_), kIdOk);
    worker.join();
    EXPECT_TRUE(animating);
    EXPECT_EQ(shownAt, (MRect{100 + (1121 - 102) / 2, 50 + (780 - 102) / 2,
                              100 + (1121 - 102) / 2 + 102, 50 + (780 - 102) / 2 + 102}));
}

TEST_F(WaitDlgTest, ACloseBeforeTheDialogIsShownIsNotLost) {
    WaitDialogSlot slot;
    slot.CloseCurrent();  // nothing held: nothing happens
    slot.Replace();
    std::thread([&slot] { slot.CloseCurrent(); }).join();
    ScopedModalHandler never([](MDialog&) { ADD_FAILURE() << "the run should end at once"; });
    EXPECT_EQ(slot.ShowCurrent(&owner_), kIdOk);
}

TEST_F(WaitDlgTest, ReplacingDestroysTheOldDialogAndClosesReachTheNewOne) {
    WaitDialogSlot slot;
    WaitDlg* first = &slot.Replace();
    {
        ScopedModalHandler ok([&](MDialog&) { slot.CloseCurrent(); });
        EXPECT_EQ(slot.ShowCurrent(&owner_), kIdOk);
    }
    EXPECT_NE(first->GetSafeHwnd(), nullptr) << "a closed dialog stays until it is replaced";
    first->DoOK();  // a late close of the old dialog changes nothing

    std::atomic<bool> stop{false};
    std::thread worker([&] {
        while (!stop) {
            slot.CloseCurrent();  // the worker closing while the window thread replaces
        }
    });
    for (int i = 0; i < 20; ++i) {
        slot.Replace();
    }
    stop = true;
    worker.join();
    EXPECT_TRUE(slot.HasDialog());
    ScopedModalHandler ok([&](MDialog&) { slot.CloseCurrent(); });
    EXPECT_EQ(slot.ShowCurrent(&owner_), kIdOk);
}

TEST(WaitDlg, WithoutAParentItIsCentredOnTheScreen) {
    WaitDlg dialog;
    ScopedModalHandler ok([](MDialog& run) {
        EXPECT_EQ(run.GetWindowRect().Width(), WaitDlg::kSide);
        EXPECT_EQ(run.GetWindowRect().Height(), WaitDlg::kSide);
        run.DoOK();
    });
    EXPECT_EQ(ShowWaitDialog(dialog, nullptr), kIdOk);
}

}  // namespace
}  // namespace quillon
