// The connection-state table as the device refresh applies it, the window's layout
// and scale, and hot-plug moving the window between the home page and the button page.
#include <gtest/gtest.h>

#include "WindowRig.h"
#include "platform/LanguageTable.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/toolkit/BatteryCtrl.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/MTabLayout.h"

namespace quillon {
namespace {

using namespace home_ids;
using test::WindowRig;

struct Row {
    const char* name;
    std::vector<VirtualInterfaceConfig> links;
    int statusText;
    bool tabsEnabled;
    int position;
    bool prompt;
    bool actions;
    bool present;
    bool connected;
    std::string message;
};

TEST(ConnectionState, EachRowOfTheTable) {
    const Row rows[] = {
        {"wired", {test::Wired()}, 51, true, 1, false, true, true, true, ""},
        {"receiver", {test::Receiver()}, 52, true, 1, false, true, true, true, ""},
        {"receiver asleep", {test::Receiver(false)}, 53, false, 0, true, false, true, false, ""},
        {"bluetooth", {test::Bluetooth()}, 54, false, 0, true, false, true, true, GetText(56)},
        {"nothing", {}, 50, false, 0, true, false, false, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WindowRig rig({});
        for (const VirtualInterfaceConfig& link : row.links) {
            rig.mouse.Connect(link);
        }
        rig->RefreshDevices();
        EXPECT_EQ(rig->GetControl(kStatus)->GetTitle(), GetText(row.statusText));
        auto* tabs = rig->GetControl<MTabCtrl>(kTabs);
        EXPECT_EQ(tabs->IsEnabled(), row.tabsEnabled);
        EXPECT_EQ(tabs->GetCurSel(), row.position);
        EXPECT_EQ(rig->CurrentTab(), tabs->GetItemID(row.position));
        EXPECT_EQ(rig->GetControl(kHomeArea)->IsVisible(), row.position == 0);
        EXPECT_EQ(rig->GetControl(kButtonsArea)->IsVisible(), row.position == 1);
        EXPECT_EQ(rig->GetControl(kPromptPicture)->IsVisible(), row.prompt);
        EXPECT_EQ(rig->GetControl(kPromptText)->IsVisible(), row.prompt);
        EXPECT_EQ(rig->GetControl(kPromptText)->GetTitle(), GetText(57));
        for (int id = kActionButtons.first; id <= kActionButtons.last; ++id) {
            EXPECT_EQ(rig->GetControl(id)->IsVisible(), row.actions) << id;
        }
        EXPECT_EQ(rig->IsPresent(), row.present);
        EXPECT_EQ(rig->IsConnected(), row.connected);
        EXPECT_EQ(rig->GetMessage(), row.message);
        auto* battery = rig->GetControl<BatteryCtrl>(kBattery);
        EXPECT_EQ(battery->GetBatteryLevel(), 0);
        EXPECT_EQ(battery->GetBatteryState(), 2);
    }
}

TEST(ConnectionState, TheFirstRefreshRunsInTheWindowsInitialisation) {
    WindowRig rig({test::Receiver()});
    EXPECT_EQ(rig->GetControl(kStatus)->GetTitle(), GetText(52));
    EXPECT_EQ(rig->DeviceType(), 101);
    EXPECT_EQ(rig.TakeQueued(), std::vector<int>{1});  // InitialLoad, for the worker
    EXPECT_TRUE(rig->Router().Conflicts().empty());
    EXPECT_TRUE(rig->IdClashes().empty());
}

TEST(ConnectionState, UnplugThenPlugSwitchesPagesAndTabs) {
    WindowRig rig({test::Wired()}, /*worker=*/true);
    auto* tabs = rig->GetControl<MTabCtrl>(kTabs);
    ASSERT_EQ(tabs->GetCurSel(), 1);
    ASSERT_TRUE(test::WaitUntil([&] { return rig->IsLoaded(); }));

    rig.mouse.Unplug(0);
    ASSERT_TRUE(test::WaitUntil([&] { return !rig->IsPresent(); }));
    EXPECT_EQ(tabs->GetCurSel(), 0);
    EXPECT_FALSE(tabs->IsEnabled());
    EXPECT_TRUE(rig->GetControl(kHomeArea)->IsVisible());
    EXPECT_FALSE(rig->GetControl(kButtonsArea)->IsVisible());
    EXPECT_TRUE(rig->GetControl(kPromptText)->IsVisible());
    EXPECT_EQ(rig->GetControl(kStatus)->GetTitle(), GetText(50));
    EXPECT_EQ(rig->CurrentTab(), kHomeItem);

    rig.mouse.Plug(0);
    ASSERT_TRUE(test::WaitUntil([&] { return rig->IsConnected(); }));
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_TRUE(tabs->IsEnabled());
    EXPECT_FALSE(rig->GetControl(kHomeArea)->IsVisible());
    EXPECT_TRUE(rig->GetControl(kButtonsArea)->IsVisible());
    EXPECT_FALSE(rig->GetControl(kPromptText)->IsVisible());
    EXPECT_EQ(rig->GetControl(kStatus)->GetTitle(), GetText(51));
    EXPECT_EQ(rig->CurrentTab(), kButtonsItem);
}

TEST(ConnectionState, ScaleAndMessageFontFollowTheHeight) {
    WindowRig rig({test::Bluetooth()});
    rig->UISize(0, 0, 1121, 780);
    EXPECT_FLOAT_EQ(rig->UiScale(), 1.0f);
    EXPECT_EQ(rig->MessageFontSize(), 16);
    EXPECT_EQ(rig->MessageRect(), (MRect{385, 200, 735, 280}));
    EXPECT_EQ(rig->GetMessage(), GetText(56));

    rig->UISize(0, 0, 841, 585);
    EXPECT_FLOAT_EQ(rig->UiScale(), 0.75f);
    EXPECT_EQ(rig->MessageFontSize(), 12);
    EXPECT_EQ(rig->MessageRect(), (MRect{245, 200, 595, 280}));
    EXPECT_EQ(rig->GetMessage(), GetText(56));
}

TEST(ConnectionState, TheFrameIsPlacedAsTheLayoutGivesIt) {
    WindowRig rig({});
    const int w = 1121;
    const int h = 780;
    EXPECT_EQ(rig->GetControl(kBackground)->GetRect(), (MRect{0, 0, w, h}));
    EXPECT_EQ(rig->GetControl(kClose)->GetRect(), (MRect{w - 50, 10, w - 30, 30}));
    EXPECT_EQ(rig->GetControl(kMinimize)->GetRect(), (MRect{w - 86, 10, w - 66, 30}));
    EXPECT_EQ(rig->GetControl(kBattery)->GetRect(), (MRect{21, h - 40, 86, h - 12}));
    EXPECT_EQ(rig->GetControl(kStatus)->GetRect(), (MRect{91, h - 40, 191, h - 13}));
    EXPECT_EQ(rig->GetControl(kTabs)->GetRect(), (MRect{20, 40, 380, 100}));
    const MRect prompt{w / 2 - 150, h / 2 - 100, w / 2 + 150, h / 2 - 40};
    EXPECT_EQ(rig->GetControl(kPromptPicture)->GetRect(), prompt);
    EXPECT_EQ(rig->GetControl(kPromptText)->GetRect(), prompt);
    EXPECT_EQ(rig->GetControl(kWebLink)->GetRect(), (MRect{w - 220, h - 40, w, h - 10}));
    // No image file: the drawn picture's size stands for the image's.
    const int iw = 320;
    const int ih = 400;
    EXPECT_EQ(rig->GetControl(kDevicePicture)->GetRect(),
              (MRect{(w - iw) / 2, (h - ih) / 2 + 20, (w - iw) / 2 + iw, (h - ih) / 2 + 20 + ih}));
    for (int area : {kButtonsArea, kPerformanceArea, kMacrosArea, kSettingsArea, kHomeArea}) {
        EXPECT_EQ(rig->GetControl(area)->GetRect(), (MRect{1, 110, w - 1, h - 50})) << area;
    }
    auto* tabs = rig->GetControl<MTabCtrl>(kTabs);
    ASSERT_EQ(tabs->GetItemCount(), 5);
    const int items[] = {1, 2, 3, 4, 6};
    const int texts[] = {71, 72, 73, 74, 76};
    for (int position = 0; position < 5; ++position) {
        EXPECT_EQ(tabs->GetItemID(position), items[position]);
        EXPECT_EQ(tabs->GetItemText(position), GetText(texts[position]));
    }
    EXPECT_EQ(rig->GetControl(kClose)->GetTooltip(), GetText(5));
    EXPECT_EQ(rig->GetControl(kMinimize)->GetTooltip(), GetText(6));
}

}  // namespace
}  // namespace quillon
