// The window as the pages' router: a page's ids, its window messages and what the worker
// reports reach the page; the window's own rows stay the window's even when a page builds the
// control.
#include <gtest/gtest.h>

#include "WindowRig.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/pages/WindowMessages.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MTabLayout.h"

namespace quillon {
namespace {

using test::WindowRig;

// A button page that builds the five action buttons and records everything it is given.
class RecordingPage : public Page {
  public:
    using Page::Page;
    PageKind Kind() const override { return PageKind::Buttons; }
    // Deliberately wide: 88-90 are the window's, whatever a page claims.
    std::vector<IdRange> Ids() const override { return {{60, 92}}; }
    void Build(MControl& area) override {
        builtIn = &area;
        for (int id = 88; id <= 92; ++id) {
            Host().Dialog().CreateControl<MButton>(id, {100, 100, 150, 130}, {}, &area);
        }
    }
    void Place(int width, int height, float scale) override {
        placed = {width, height};
        placedScale = scale;
    }
    int OnMessage(int id, int event, std::intptr_t) override {
        events.push_back({id, event});
        return 1;
    }
    void Refresh() override { ++refreshes; }
    bool OnWindowMessage(unsigned message, std::uintptr_t, std::intptr_t lParam,
                         std::intptr_t& result) override {
        messages.push_back(message);
        result = lParam + 1;
        return message != MSG_PROFILE_FILE || lParam != 0;
    }
    void ShowCurrentStage(int stage, int dpi) override {
        reports.push_back("stage " + std::to_string(stage) + " " + std::to_string(dpi));
    }
    void ShowReportRate(int code) override { reports.push_back("rate " + std::to_string(code)); }
    void SetLightMode(int mode) override { reports.push_back("light " + std::to_string(mode)); }
    void SetFirmwareText(const std::string& text) override {
        reports.push_back("firmware " + text);
    }
    void SetBattery(int level, int state) override {
        reports.push_back("battery " + std::to_string(level) + " " + std::to_string(state));
    }
    void HideMacroEditing() override { reports.push_back("hide macro editing"); }
    void SetSoftwareVersion(const std::string& version) override {
        reports.push_back("version " + version);
    }

    MControl* builtIn = nullptr;
    std::pair<int, int> placed;
    float placedScale = 0;
    std::vector<std::pair<int, int>> events;
    std::vector<unsigned> messages;
    std::vector<std::string> reports;
    int refreshes = 0;
};

struct PageRig {
    RecordingPage* page = nullptr;
    WindowRig rig{{test::Wired()}, false, [this](PageHost& host) {
                      auto made = std::make_unique<RecordingPage>(host);
                      page = made.get();
                      std::vector<std::unique_ptr<Page>> pages;
                      pages.push_back(std::move(made));
                      return pages;
                  }};
};

TEST(PageRouting, ThePageIsBuiltInItsAreaPlacedAndGivenItsIds) {
    PageRig pages;
    WindowRig& rig = pages.rig;
    RecordingPage& page = *pages.page;
    EXPECT_EQ(page.builtIn, rig->Frame().Area(PageKind::Buttons));
    EXPECT_EQ(page.placed, (std::pair{1121, 780}));
    EXPECT_FLOAT_EQ(page.placedScale, 1.0f);
    EXPECT_TRUE(rig->Router().Conflicts().empty());
    EXPECT_TRUE(rig->IdClashes().empty());
    EXPECT_EQ(rig->FindPage(PageKind::Buttons), &page);
    EXPECT_EQ(rig->FindPage(PageKind::Macros), nullptr);

    EXPECT_EQ(rig.Click(60), 1);
    EXPECT_EQ(rig->OnMessage(85, kEventChanging, 0), 1);
    EXPECT_EQ(rig.Click(91), 1);
    EXPECT_EQ(rig.Click(92), 1);
    EXPECT_EQ(rig.Click(101), 0);  // no performance page
    rig.TakeQueued();
    test::ModalAnswers modal;
    EXPECT_EQ(rig.Click(88), 1);  // the window's: apply under the wait dialog
    EXPECT_EQ(modal.waitDialogs, 1);
    EXPECT_EQ(rig.TakeQueued(), std::vector<int>{6});
    EXPECT_EQ(page.events, (std::vector<std::pair<int, int>>{{60, 2}, {85, 26}, {91, 2}, {92, 2}}));
}

TEST(PageRouting, TheConnectionShowsThePagesActionButtonsAndItsTabArea) {
    PageRig pages;
    WindowRig& rig = pages.rig;
    for (int id = 88; id <= 92; ++id) {
        EXPECT_TRUE(rig->GetControl(id)->IsShown()) << id;
    }
    rig.mouse.UnplugAll();
    rig->RefreshDevices();
    for (int id = 88; id <= 92; ++id) {
        EXPECT_FALSE(rig->GetControl(id)->IsVisible()) << id;
    }
}

TEST(PageRouting, WindowMessagesForPagesReachThePageWithItsResult) {
    PageRig pages;
    WindowRig& rig = pages.rig;
    RecordingPage& page = *pages.page;
    EXPECT_EQ(rig->OnWindowMessage(MSG_INSERT_MENU, 0, 4), 5);
    EXPECT_EQ(rig->OnWindowMessage(MSG_ITEM_MENU, 0, 6), 7);
    EXPECT_EQ(rig->OnWindowMessage(MSG_DPI_CHANGED, 0, 9), 10);
    EXPECT_EQ(rig->OnWindowMessage(WM_INPUT, 0, 1), 2);
    EXPECT_EQ(rig->OnWindowMessage(MSG_MACRO_MENU, 0, 101), 1);
    EXPECT_EQ(rig->OnWindowMessage(MSG_PROFILE_FILE, 0, 0), 1);
    EXPECT_EQ(page.messages, (std::vector<unsigned>{MSG_INSERT_MENU, MSG_ITEM_MENU, MSG_DPI_CHANGED,
                                                    WM_INPUT, MSG_MACRO_MENU, MSG_PROFILE_FILE}));
}

TEST(PageRouting, WhatTheWorkerReportsReachesThePages) {
    PageRig pages;
    WindowRig& rig = pages.rig;
    RecordingPage& page = *pages.page;
    page.reports.clear();
    rig->ShowCurrentStage(3, 1600);
    rig->ShowReportRate(4);
    rig->SetLightMode(2);
    rig->SetFirmwareText("1.0.4");
    rig->SetBattery(76, 1);
    rig->HideMacroEditing();
    EXPECT_EQ(page.reports,
              (std::vector<std::string>{"stage 3 1600", "rate 4", "light 2", "firmware 1.0.4",
                                        "battery 76 1", "hide macro editing"}));
    EXPECT_EQ(rig->HighlightedStage(), 103);
    EXPECT_EQ(rig->LightMode(), 2);
    rig->SetSelectedButton(4);
    const int before = page.refreshes;
    rig->RefreshButtonPage();
    EXPECT_EQ(page.refreshes, before + 1);
    EXPECT_EQ(rig->SelectedButton(), 0);
    rig->RefreshPerformancePage();  // no performance page: nothing to refresh
    EXPECT_EQ(page.refreshes, before + 1);
}

}  // namespace
}  // namespace quillon
