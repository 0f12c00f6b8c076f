#include <gtest/gtest.h>

#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CloseNotice.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/ProductKey.h"
#include "platform/Registry.h"
#include "support/TempDir.h"
#include "ui/MessageBox.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/ModalHooks.h"

namespace quillon {
namespace {

class CloseNoticeTest : public ::testing::Test {
  protected:
    CloseNoticeTest() {
        SetCurrentLanguageId(kLanguageEnglishUs);
        RegistryKey(ProductKeyFile()).Create();
        window_.Create(nullptr, "Main", kWsPopup | kWsVisible, 0, {100, 100, 1221, 880});
    }
    ~CloseNoticeTest() override { window_.DestroyWindow(); }

    // Closes the window through `notice`; records the boxes shown (and with QUILLON_SCREENSHOT_DIR
    // set, saves the last one there as close-notice.png).
    bool Close(CloseNotice& notice, bool trayShown) {
        ScopedModalHandler answer([&](MDialog& box) {
            shown_.push_back(box.GetControl(CUIMessageBox::kTitleId)->GetTitle() + "|" +
                             box.GetControl(CUIMessageBox::kMessageId)->GetTitle());
            if (const char* folder = std::getenv("QUILLON_SCREENSHOT_DIR")) {
                box.View()->grab().save(QString(folder) + "/close-notice.png");
            }
            box.DoOK();
        });
        return notice.WindowClosing(window_, trayShown);
    }

    test::IsolatedHome home_;
    MDialog window_;
    std::vector<std::string> shown_;
};

TEST_F(CloseNoticeTest, WithoutATrayTheFirstCloseSaysHowToGetBackOnce) {
    CloseNotice notice;
    EXPECT_TRUE(Close(notice, false));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0], GetText(681) + "|" + GetText(682));
    // A no-break space keeps the command on one line.
    EXPECT_NE(shown_[0].find("quillonctl\u00a0show"), std::string::npos);
    EXPECT_FALSE(Close(notice, false));

    // A later run remembers that the user has been told.
    CloseNotice nextRun;
    EXPECT_FALSE(Close(nextRun, false));
    EXPECT_EQ(shown_.size(), 1u);
}

TEST_F(CloseNoticeTest, WithATrayIconThereIsNothingToSay) {
    CloseNotice notice;
    EXPECT_FALSE(Close(notice, true));
    EXPECT_TRUE(shown_.empty());
    // The tray went away later in the run: the notice is still due.
    EXPECT_TRUE(Close(notice, false));
    EXPECT_EQ(shown_.size(), 1u);
}

}  // namespace
}  // namespace quillon
