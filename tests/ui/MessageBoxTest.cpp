#include <gtest/gtest.h>

#include <QWidget>

#include "RecordingDialog.h"
#include "platform/LanguageChoice.h"
#include "support/QtInput.h"
#include "ui/MessageBox.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/ModalHooks.h"

namespace quillon {
namespace {

// What one run of the box looked like, taken while it was shown.
struct Seen {
    MRect window;
    MRect owner;
    std::string title;
    std::string message;
    std::vector<MRect> buttonRects;
    std::vector<std::uint32_t> buttonColors;
    std::vector<std::string> buttonTexts;
};

class MessageBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetCurrentLanguageId(1033);
        owner_.Create(nullptr, "Main", kWsPopup | kWsVisible, 0, {100, 50, 1221, 830});
    }

    // Shows a box whose run is answered by pressing button `press` (0: none, DoCancel instead).
    int Show(int style, int press) {
        ScopedModalHandler answer([&](MDialog& box) {
            seen_.window = box.GetWindowRect();
            seen_.owner = owner_.GetWindowRect();
            seen_.title = box.GetControl(CUIMessageBox::kTitleId)->GetTitle();
            seen_.message = box.GetControl(CUIMessageBox::kMessageId)->GetTitle();
            for (MControl* control : box.GetControls()) {
                if (auto* button = dynamic_cast<MButton*>(control)) {
                    seen_.buttonRects.push_back(button->GetRect());
                    seen_.buttonColors.push_back(button->GetTextColor());
                    seen_.buttonTexts.push_back(button->GetTitle());
                }
            }
            if (press == 0) {
                box.DoCancel();
            } else {
                test::Click(*box.GetControl(press));
            }
        });
        return ShowMessageBox(&owner_, "Restore defaults", "Restore the defaults?", style);
    }

    test::RecordingDialog owner_;
    Seen seen_;
};

TEST_F(MessageBoxTest, ConfirmationAnsweredWithTheSecondButtonReturns2) {
    EXPECT_EQ(Show(kMessageBoxConfirm, CUIMessageBox::kCancelButtonId), kIdCancel);
    ASSERT_EQ(seen_.buttonRects.size(), 2u);
    EXPECT_EQ(seen_.buttonTexts, (std::vector<std::string>{"Confirm", "Cancel"}));
    EXPECT_EQ(seen_.buttonRects[0], (MRect{95, 180, 195, 216}));
    EXPECT_EQ(seen_.buttonRects[1], (MRect{235, 180, 335, 216}));
    EXPECT_EQ(seen_.buttonColors[0], kColorWhite);
    EXPECT_EQ(seen_.title, "Restore defaults");
    EXPECT_EQ(seen_.message, "Restore the defaults?");
}

TEST_F(MessageBoxTest, ConfirmationAnsweredWithTheFirstButtonReturns1) {
    EXPECT_EQ(Show(kMessageBoxConfirm, CUIMessageBox::kOkButtonId), kIdOk);
}

TEST_F(MessageBoxTest, NoticeHasOneButtonFrom60To370CentredOnTheOwner) {
    EXPECT_EQ(Show(kMessageBoxOk, CUIMessageBox::kOkButtonId), kIdOk);
    ASSERT_EQ(seen_.buttonRects.size(), 1u);
    EXPECT_EQ(seen_.buttonRects[0], (MRect{60, 180, 370, 216}));
    EXPECT_EQ(seen_.buttonTexts[0], "OK");
    EXPECT_EQ(seen_.buttonColors[0], kColorText);
    EXPECT_EQ(seen_.window.Width(), 430);
    EXPECT_EQ(seen_.window.Height(), 230);
    EXPECT_EQ(seen_.window.left - seen_.owner.left, (1121 - 430) / 2);
    EXPECT_EQ(seen_.window.top - seen_.owner.top, (780 - 230) / 2);
}

TEST_F(MessageBoxTest, OtherStylesHaveNoButton) {
    EXPECT_EQ(Show(1, 0), kIdCancel);
    EXPECT_TRUE(seen_.buttonRects.empty());
}

TEST_F(MessageBoxTest, MissingTextsLeaveEmptyLabelsButTheBoxWorks) {
    SetCurrentLanguageId(1031);  // no such language file
    EXPECT_EQ(Show(kMessageBoxOk, CUIMessageBox::kOkButtonId), kIdOk);
    ASSERT_EQ(seen_.buttonTexts.size(), 1u);
    EXPECT_EQ(seen_.buttonTexts[0], "");
    SetCurrentLanguageId(1033);
}

}  // namespace
}  // namespace quillon
