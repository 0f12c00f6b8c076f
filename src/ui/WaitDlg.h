#pragma once

#include <cstdint>
#include <memory>
#include <mutex>

#include "ui/toolkit/MDialog.h"

namespace quillon {

// The small borderless dialog with a turning picture shown while a long device task runs; the
// device worker ends it with DoOK.
class WaitDlg : public MDialog {
  public:
    static constexpr int kSide = 102;
    static constexpr int kPictureId = 30;

    int OnInitDialog() override;
    void InitUI(int left, int top, int right, int bottom) override;
    void UISize(int, int, int, int) override {}
    int OnMessage(int, int, std::intptr_t) override { return 0; }
    int OnDestroy() override { return 0; }
};

// Creates the dialog centred on the parent's window rectangle as it is now (on the screen when
// there is no parent) and shows it modally; returns when it is closed. Window thread.
int ShowWaitDialog(WaitDlg& dialog, MWindow* parent);

// The controller's one wait dialog. The window thread replaces it (the previous one is destroyed)
// and shows it; the device worker closes whichever is current. Replacing and closing exclude each
// other, so a close never reaches a dialog being destroyed.
class WaitDialogSlot {
  public:
    // Destroys the held dialog, if any, and holds a new one, not yet shown. Window thread.
    WaitDlg& Replace();
    // Shows the held dialog over `parent`; returns when it is closed. Window thread.
    int ShowCurrent(MWindow* parent);
    // Ends the held dialog's run; nothing without one. Any thread.
    void CloseCurrent();
    bool HasDialog() const;

  private:
    mutable std::mutex mutex_;
    std::unique_ptr<WaitDlg> dialog_;
};

}  // namespace quillon
