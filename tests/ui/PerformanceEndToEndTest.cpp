#include <gtest/gtest.h>

#include <QApplication>
#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "protocol/CommandSet.h"
#include "protocol/DeviceWorker.h"
#include "protocol/ProfileValues.h"
#include "protocol/TaskQueue.h"
#include "protocol/WorkerHost.h"
#include "support/ManualGuiTimer.h"
#include "support/PageTestHost.h"
#include "support/QtInput.h"
#include "support/RecordingTyper.h"
#include "support/VirtualMouseRig.h"
#include "ui/DpiIndicator.h"
#include "ui/pages/PerformancePage.h"
#include "ui/pages/PerformancePageIds.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/DPISlider.h"

namespace quillon {
namespace {

// The window as the device worker meets it, reduced to what this page needs: device state from
// the rig, the page's refresh and stage hook run on the worker as the window runs them, and
// posted messages delivered to the page on the GUI thread.
class PageWorkerHost : public WorkerHost {
  public:
    PageWorkerHost(test::VirtualMouseRig& rig, test::PageTestHost& window)
        : rig_(rig), window_(window) {}

    bool IsPresent() const override { return present_; }
    bool IsLoaded() const override { return loaded_; }
    void SetLoaded(bool loaded) override { loaded_ = loaded; }
    int ActiveProfile() const override { return window_.ActiveProfile(); }
    void RefreshDevices() override { present_ = rig_.Refresh().present; }
    void LoadProfileState() override {}
    void RefreshButtonPage() override {}
    void RefreshMacroList() override {}
    void RefreshPerformancePage() override { window_.GetPage().Refresh(); }
    void HideMacroEditing() override {}
    void RestorePointerDefaults() override {}
    void CloseWaitDialog() override {}
    void SetBattery(int, int) override {}
    void SetFirmwareText(const std::string&) override {}
    void ShowCurrentStage(int stage, int dpi) override {
        window_.GetPage().ShowCurrentStage(stage, dpi);
    }
    void ShowReportRate(int code) override { window_.GetPage().ShowReportRate(code); }
    void SetLightMode(int mode) override { window_.GetPage().SetLightMode(mode); }
    // Queued on the GUI thread; dropped if this host is gone by then.
    void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        QMetaObject::invokeMethod(
            &context_,
            [this, message, wParam, lParam] {
                std::intptr_t result = 0;
                window_.GetPage().OnWindowMessage(message, wParam, lParam, result);
            },
            Qt::QueuedConnection);
    }

  private:
    test::VirtualMouseRig& rig_;
    test::PageTestHost& window_;
    std::atomic<bool> present_ = false;
    std::atomic<bool> loaded_ = false;
    QObject context_;
};

std::vector<DpiIndicator*> OpenNotices() {
    std::vector<DpiIndicator*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* notice = dynamic_cast<DpiIndicator*>(widget); notice && notice->isVisible()) {
            open.push_back(notice);
        }
    }
    return open;
}

// Runs the GUI thread and moves the mouse's clock until `done` holds (five seconds at most):
// the worker's reads only time out when its manual clock moves.
bool Eventually(test::VirtualMouseRig& rig, const std::function<bool()>& done) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) {
            return false;
        }
        test::ProcessEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        rig.clock.Advance(std::chrono::milliseconds(20));
    }
    return true;
}

TEST(PerformanceEndToEndTest, TheMouseDpiButtonMovesTheHighlightAndShowsTheNotice) {
    test::ManualGuiTimer timer;
    test::PageTestHost window;
    window.connectionMode = 0;
    window.Install(std::make_unique<PerformancePage>(window, timer, [] {
        return MRect{0, 0, 1920, 1040};
    }));
    test::VirtualMouseRig rig{test::Wired()};
    PageWorkerHost host(rig, window);
    host.RefreshDevices();
    ASSERT_TRUE(host.IsPresent());
    TaskQueue queue;
    test::RecordingTyper typer;
    CommandSet commands(rig.manager, window.store, host, queue, typer);
    DeviceWorker worker(queue, host, commands);
    ProfileValues values(window.store, window.activeProfile);
    auto stage = [&](int n) { return window.Dialog().GetControl<DPIControl>(100 + n); };

    // The first read stores the mouse's own table; the worker refreshes the page with it.
    queue.Enqueue(DeviceTask::InitialLoad);
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(Eventually(rig, [&] { return host.IsLoaded() && queue.Empty(); }));
    EXPECT_EQ(stage(1)->GetValue(), values.Get("dpi_group0_value"));
    EXPECT_EQ(values.Get("dpi_group0_value"), 400);

    rig.mouse.PressDpiButton();
    ASSERT_TRUE(Eventually(rig, [] { return !OpenNotices().empty(); }));
    const int current = rig.mouse.CurrentStage();
    const int dpi = values.Get(ProfileValues::DpiValueKey(current - 1));
    EXPECT_EQ(values.Get("dpi_index"), current - 1);
    EXPECT_EQ(window.highlightedStage.load(), perf::kFirstStage + current - 1);
    EXPECT_TRUE(stage(current)->GetCheck());
    for (int other = 1; other <= 6; ++other) {
        EXPECT_EQ(stage(other)->GetCheck(), other == current) << other;
    }
    EXPECT_EQ(window.Dialog().GetControl<DPISlider>(perf::kDpiSlider)->GetProgress(), dpi / 100);
    // The rate travels with the stage report.
    const int rate = rig.mouse.ReportRate();
    EXPECT_EQ(values.Get("report_rate"), rate);
    EXPECT_TRUE(window.Dialog()
                    .GetControl<ColorButtonEx>(rate >= 1 && rate <= 3 ? perf::kRate125 + rate - 1
                                                                      : perf::kRate1000)
                    ->GetCheck());
    std::vector<DpiIndicator*> open = OpenNotices();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->Stage(), current);
    EXPECT_EQ(open[0]->Dpi(), dpi);
    EXPECT_TRUE(worker.Stop());

    timer.Advance(std::chrono::milliseconds(DpiIndicator::kLifetimeMs));
    test::ProcessEvents();
    EXPECT_TRUE(OpenNotices().empty());
}

}  // namespace
}  // namespace quillon
