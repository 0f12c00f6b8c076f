#include "ui/WaitDlg.h"

#include "ui/toolkit/CGifPicture.h"

namespace quillon {
namespace {

constexpr std::uint32_t kBackColor = 0x333333;
constexpr int kAnimationMs = 10;

}  // namespace

int WaitDlg::OnInitDialog() {
    MDialog::OnInitDialog();
    SetBackColor(kBackColor);
    SetTopMost(true);
    SetMTimer(kAnimationMs);
    EnableWndDrag(true);
    return 1;
}

void WaitDlg::InitUI(int, int, int, int) {
    SetLayeredWindow(true);
    auto* picture = CreateControl<CGifPicture>(kPictureId, {1, 1, 101, 101}, "loading.gif");
    picture->SetRunState(1, 0);
    picture->AddMTimer();
}

int ShowWaitDialog(WaitDlg& dialog, MWindow* parent) {
    MRect area = parent != nullptr ? parent->GetWindowRect() : MRect{};
    int x = area.left + (area.Width() - WaitDlg::kSide) / 2;
    int y = area.top + (area.Height() - WaitDlg::kSide) / 2;
    dialog.Create(parent, "WaitDlg", kWsPopup | kWsVisible | kWsClipSiblings | kWsClipChildren,
                  kWsExToolWindow, {x, y, x + WaitDlg::kSide, y + WaitDlg::kSide});
    if (parent == nullptr) {
        dialog.CenterWindow(nullptr);
    }
    return dialog.ShowModal(kSwShow);
}

WaitDlg& WaitDialogSlot::Replace() {
    std::unique_ptr<WaitDlg> previous;
    std::lock_guard lock(mutex_);
    previous = std::move(dialog_);
    dialog_ = std::make_unique<WaitDlg>();
    return *dialog_;
}

int WaitDialogSlot::ShowCurrent(MWindow* parent) {
    WaitDlg* dialog = nullptr;
    {
        std::lock_guard lock(mutex_);
        dialog = dialog_.get();
    }
    return dialog != nullptr ? ShowWaitDialog(*dialog, parent) : kIdCancel;
}

void WaitDialogSlot::CloseCurrent() {
    std::lock_guard lock(mutex_);
    if (dialog_) {
        dialog_->DoOK();
    }
}

bool WaitDialogSlot::HasDialog() const {
    std::lock_guard lock(mutex_);
    return dialog_ != nullptr;
}

}  // namespace quillon
