#pragma once

#include <cstdint>
#include <string>

#include "ui/toolkit/MDialog.h"

namespace quillon {

// Styles of ShowMessageBox.
inline constexpr int kMessageBoxOk = 0;       // one button (text 20)
inline constexpr int kMessageBoxConfirm = 4;  // two buttons (texts 23 and 25)

// The program's message box: a title line, a message and one button, two buttons or none.
class CUIMessageBox : public MDialog {
  public:
    static constexpr int kTitleId = 31;
    static constexpr int kMessageId = 32;
    static constexpr int kOkButtonId = 33;
    static constexpr int kCancelButtonId = 34;

    void SetContent(const std::string& title, const std::string& message, int style);

    int OnInitDialog() override;
    void InitUI(int left, int top, int right, int bottom) override;
    void UISize(int, int, int, int) override {}
    int OnMessage(int controlId, int event, std::intptr_t param) override;
    int OnDestroy() override { return 0; }

  private:
    std::string title_;
    std::string message_;
    int style_ = kMessageBoxOk;
};

// Shows a modal message box over `parent` (may be null) and returns the run's result: kIdOk for
// the first button, kIdCancel for the second. Window thread.
int ShowMessageBox(MWindow* parent, const std::string& title, const std::string& message,
                   int style);

}  // namespace quillon
