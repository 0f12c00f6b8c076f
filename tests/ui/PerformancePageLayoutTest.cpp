#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "platform/LanguageChoice.h"
#include "platform/Paths.h"
#include "support/PageTestHost.h"
#include "support/QtInput.h"
#include "ui/pages/PerformancePage.h"
#include "ui/toolkit/Manager.h"

namespace quillon {
namespace {

bool Overlap(const MRect& a, const MRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const MRect& inner, const MRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const MControl& control) {
    const MRect r = control.GetRect();
    return std::string(control.GetClassName()) + " " + std::to_string(control.GetID()) + " (" +
           std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
           "," + std::to_string(r.bottom) + ")";
}

// Panels and pictures lie under other controls on purpose; everything else must stand alone.
bool IsBackdrop(const MControl& control) {
    const std::string name = control.GetClassName();
    return name == "CRoundArea" || name == "MPicture" || name == "MTabLayout";
}

struct Size {
    int width;
    int height;
};

class PerformancePageLayoutTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        SetCurrentLanguageId(GetParam());
        Manager::SetInstance(ResourceFolder());
        Manager::SetFontName("Open Sans Semibold");
    }
    void TearDown() override { SetCurrentLanguageId(1033); }
};

TEST_P(PerformancePageLayoutTest, ControlsStayInsideThePageAndApartAtEverySize) {
    for (Size size : {Size{1121, 780}, Size{1401, 975}, Size{897, 624}, Size{1600, 780}}) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        test::PageTestHost host;
        host.connectionMode = 1;
        host.Install(std::make_unique<PerformancePage>(host));
        host.Resize(size.width, size.height);
        host.GetPage().Refresh();
        std::vector<MControl*> shown;
        for (MControl* control : host.Dialog().GetControls()) {
            if (control->IsShown() && control->GetRect().Width() > 0 &&
                control->GetParent() == &host.Area()) {
                shown.push_back(control);
            }
        }
        const MRect page{0, 110, size.width, size.height - 50};
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_TRUE(Inside(shown[i]->GetRect(), page)) << Describe(*shown[i]);
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                if (!IsBackdrop(*shown[i]) && !IsBackdrop(*shown[j])) {
                    EXPECT_FALSE(Overlap(shown[i]->GetRect(), shown[j]->GetRect()))
                        << Describe(*shown[i]) << " and " << Describe(*shown[j]);
                }
            }
        }
    }
}

// With QUILLON_SCREENSHOT_DIR set, writes the page as a person sees it, for looking at.
TEST_P(PerformancePageLayoutTest, WritesScreenshotsWhenAsked) {
    const char* folder = std::getenv("QUILLON_SCREENSHOT_DIR");
    if (folder == nullptr) {
        GTEST_SKIP() << "QUILLON_SCREENSHOT_DIR is not set";
    }
    for (Size size : {Size{1121, 780}, Size{897, 624}, Size{1401, 975}}) {
        test::PageTestHost host;
        host.connectionMode = 1;
        host.Install(std::make_unique<PerformancePage>(host));
        host.Dialog().ShowWindow(kSwShow);
        host.Dialog().View()->resize(size.width, size.height);
        test::ProcessEvents();
        const std::string path = std::string(folder) + "/performance-" +
                                 std::to_string(GetParam()) + "-" + std::to_string(size.width) +
                                 ".png";
        EXPECT_TRUE(host.Dialog().View()->grab().save(QString::fromStdString(path))) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, PerformancePageLayoutTest, ::testing::Values(1033, 2052));

}  // namespace
}  // namespace quillon
