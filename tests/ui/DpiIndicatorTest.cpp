#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <cstdlib>

#include "protocol/DeviceTask.h"
#include "support/ManualGuiTimer.h"
#include "support/PageTestHost.h"
#include "support/QtInput.h"
#include "ui/DpiIndicator.h"
#include "ui/pages/PerformancePage.h"

namespace quillon {
namespace {

using std::chrono::milliseconds;

// A 1920 x 1080 primary screen with a 40 pixel panel along its bottom.
constexpr MRect kWorkArea{0, 0, 1920, 1040};

std::intptr_t StageMessage(int dpi, int stage) {
    return static_cast<std::intptr_t>(static_cast<std::uint32_t>(dpi) << 16 |
                                      static_cast<std::uint32_t>(stage));
}

std::vector<DpiIndicator*> OpenNotices() {
    test::ProcessEvents();
    std::vector<DpiIndicator*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* notice = dynamic_cast<DpiIndicator*>(widget); notice && notice->isVisible()) {
            open.push_back(notice);
        }
    }
    return open;
}

class DpiIndicatorTest : public ::testing::Test {
  protected:
    void TearDown() override {
        timer.Advance(milliseconds(DpiIndicator::kLifetimeMs));
        EXPECT_TRUE(OpenNotices().empty());
    }
    test::ManualGuiTimer timer;
};

TEST_F(DpiIndicatorTest, ShowsTheStageAboveAndItsDpiBelow) {
    struct Case {
        int dpi;
        int stage;
        const char* upper;
        const char* lower;
    };
    for (const Case& c : {Case{1600, 3, "DPI档位: 3", "当前DPI: 1600"},
                          Case{24000, 6, "DPI档位: 6", "当前DPI: 24000"},
                          Case{65535, 1, "DPI档位: 1", "当前DPI: 65535"}}) {
        DpiIndicator* notice = DpiIndicator::Show(StageMessage(c.dpi, c.stage), kWorkArea, timer);
        EXPECT_EQ(notice->UpperLine(), QString::fromUtf8(c.upper));
        EXPECT_EQ(notice->LowerLine(), QString::fromUtf8(c.lower));
    }
}

TEST_F(DpiIndicatorTest, SitsTenPixelsInsideTheWorkAreaAndTakesNoInput) {
    QWidget* focusBefore = QApplication::focusWidget();
    DpiIndicator* notice = DpiIndicator::Show(StageMessage(800, 1), kWorkArea, timer);
    test::ProcessEvents();
    EXPECT_EQ(notice->geometry(), QRect(1660, 930, 250, 100));
    EXPECT_EQ(notice->geometry().right() + 1, 1910);
    EXPECT_EQ(notice->geometry().bottom() + 1, 1030);
    Qt::WindowFlags flags = notice->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(notice->windowType(), Qt::Tool);
    EXPECT_NEAR(notice->windowOpacity(), 220.0 / 255.0, 0.005);
    EXPECT_EQ(QApplication::focusWidget(), focusBefore);

    // White text on black, one line in each half.
    QImage image = notice->grab().toImage();
    auto whiteIn = [&](int top, int bottom) {
        int white = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                white += image.pixelColor(x, y).lightness() > 200 ? 1 : 0;
            }
        }
        return white;
    };
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_GT(whiteIn(0, 50), 100);
    EXPECT_GT(whiteIn(50, 100), 100);
    EXPECT_EQ(whiteIn(0, 8) + whiteIn(92, 100), 0) << "each line is centred in its half";
}

TEST_F(DpiIndicatorTest, EveryMessageGetsItsOwnNoticeThatClosesThreeSecondsLater) {
    QPointer<DpiIndicator> first = DpiIndicator::Show(StageMessage(800, 1), kWorkArea, timer);
    timer.Advance(milliseconds(1000));
    QPointer<DpiIndicator> second = DpiIndicator::Show(StageMessage(1200, 2), kWorkArea, timer);
    EXPECT_EQ(OpenNotices().size(), 2u);
    EXPECT_EQ(first->geometry(), second->geometry());

    timer.Advance(milliseconds(1999));
    EXPECT_EQ(OpenNotices().size(), 2u);
    timer.Advance(milliseconds(1));
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(OpenNotices(), std::vector<DpiIndicator*>{second.data()})
        << "the first closes 3 s after its creation";
    EXPECT_TRUE(test::WaitUntil([&] { return first.isNull(); })) << "and is deleted";
    EXPECT_TRUE(second->isVisible());
    timer.Advance(milliseconds(999));
    EXPECT_EQ(OpenNotices().size(), 1u);
    timer.Advance(milliseconds(1));
    EXPECT_TRUE(OpenNotices().empty());
    EXPECT_TRUE(test::WaitUntil([&] { return second.isNull(); }));
}

TEST_F(DpiIndicatorTest, ThePageShowsOneForTheStageChangeMessage) {
    test::PageTestHost host;
    MRect area{1920, 0, 3200, 1024};  // a primary screen right of another one, without panels
    Page& page =
        host.Install(std::make_unique<PerformancePage>(host, timer, [area] { return area; }));
    std::intptr_t result = -1;
    EXPECT_FALSE(page.OnWindowMessage(MSG_TASK_DONE, 0, 1, result));
    EXPECT_TRUE(OpenNotices().empty());
    EXPECT_TRUE(page.OnWindowMessage(MSG_DPI_CHANGED, 0, StageMessage(3200, 5), result));
    EXPECT_EQ(result, 0);
    std::vector<DpiIndicator*> open = OpenNotices();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->Stage(), 5);
    EXPECT_EQ(open[0]->Dpi(), 3200);
    EXPECT_EQ(open[0]->geometry(), QRect(2940, 914, 250, 100));
}

// With QUILLON_SCREENSHOT_DIR set, writes a notice as a person sees it, for looking at.
TEST_F(DpiIndicatorTest, WritesAScreenshotWhenAsked) {
    const char* folder = std::getenv("QUILLON_SCREENSHOT_DIR");
    if (folder == nullptr) {
        GTEST_SKIP() << "QUILLON_SCREENSHOT_DIR is not set";
    }
    DpiIndicator* notice = DpiIndicator::Show(StageMessage(24000, 6), PrimaryWorkArea(), timer);
    test::WaitUntil([&] { return notice->isVisible(); });
    test::ProcessEvents();
    EXPECT_TRUE(notice->grab().save(QString(folder) + "/dpi-notice.png"));
    // The whole screen as well, where the desktop lets one grab it (an X server does).
    QApplication::primaryScreen()->grabWindow(0).save(QString(folder) + "/dpi-notice-screen.png");
}

}  // namespace
}  // namespace quillon
