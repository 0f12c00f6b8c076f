#include "ui/pages/HomeFrame.h"

#include <iterator>

#include "platform/LanguageTable.h"
#include "ui/pages/HomeArt.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/toolkit/BatteryCtrl.h"
#include "ui/toolkit/CDeviceState.h"
#include "ui/toolkit/CImageButton.h"
#include "ui/toolkit/CTextButton.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/MTabLayout.h"
#include "ui/toolkit/MText.h"
#include "ui/toolkit/SkinPainter.h"

namespace quillon {
namespace {

using namespace home_ids;

constexpr const char* kFontName = "Open Sans Semibold";
constexpr std::uint32_t kBatteryTextColor = 0xFF3E556D;

struct TabItem {
    int itemId;
    int textId;
    const char* icon;
    int areaId;
};
// In position order.
constexpr TabItem kTabItems[] = {
    {kHomeItem, 71, "icon\\tab_home.png", kHomeArea},
    {kButtonsItem, 72, "icon\\tab_key.png", kButtonsArea},
    {kPerformanceItem, 73, "icon\\tab_dpi.png", kPerformanceArea},
    {kMacrosItem, 74, "icon\\tab_macro.png", kMacrosArea},
    {kSettingsItem, 76, "icon\\tab_set.png", kSettingsArea},
};

// One row of the connection-state table.
struct StateRow {
    int statusText;
    bool tabsEnabled;
    int position;
    bool prompt;
    bool actions;
};

StateRow RowOf(ConnectionState state) {
    switch (state) {
        case ConnectionState::NoDevice:
            return {kStatusNoDevice, false, 0, true, false};
        case ConnectionState::MouseNotAnswering:
            return {kStatusAsleep, false, 0, true, false};
        case ConnectionState::Wired:
            return {kStatusWired, true, 1, false, true};
        case ConnectionState::Receiver:
            return {kStatusReceiver, true, 1, false, true};
        case ConnectionState::Bluetooth:
            return {kStatusBluetooth, false, 0, true, false};
    }
    return {kStatusNoDevice, false, 0, true, false};
}

int PageIndex(PageKind kind) {
    switch (kind) {
        case PageKind::Home:
            return 0;
        case PageKind::Buttons:
            return 1;
        case PageKind::Performance:
            return 2;
        case PageKind::Macros:
            return 3;
        case PageKind::Settings:
            return 4;
    }
    return 0;
}

}  // namespace

void HomeFrame::BuildFrame() {
    MDialog& dialog = Host().Dialog();
    backdrop_ = dialog.CreateControl<FrameBackdrop>(kBackground, {}, "background.png");
    tabs_ = dialog.CreateControl<MTabCtrl>(kTabs, {20, 40, 380, 100});
    tabs_->SetTextColor(kColorText);
    for (const TabItem& item : kTabItems) {
        auto* area = dialog.CreateControl<MTabLayout>(item.areaId, {});
        areas_.push_back(area);
        tabs_->InsertItem(item.itemId, GetText(item.textId), item.icon, area);
    }
    tabs_->SetTabCtrlWidth(60);
    tabs_->SetTabCtrlHeight(60);
    tabs_->SetLeftRightPading(0, 60);
    tabs_->SetTopBottomPading(0, 360);
    tabs_->SetItemWidth(60, 60, 1);
    tabs_->SetItemHeight(60, 60, 1);
    tabs_->SetCurSel(0);

    battery_ = dialog.CreateControl<BatteryCtrl>(kBattery, {}, "icon\\icon_battery_bkg.png");
    battery_->SetLevelImage("icon\\icon_batteryvalue.png");
    battery_->SetChargeImage("icon\\icon_charge.png");
    // The dark figure colour of the layout suits the skin's light battery image; over the drawn dark
    // look it could hardly be read, so that look keeps the window's text colour.
    battery_->SetTextColor(skin::Image("icon\\icon_battery_bkg.png") != nullptr ? kBatteryTextColor
                                                                                : kColorText);
    status_ = dialog.CreateControl<CDeviceState>(kStatus, {}, "img_state.png");
    status_->SetTextColor(kColorText);
    status_->SetFont(kFontName, 14);
    status_->SetTitle(GetText(kStatusNoDevice));
}

void HomeFrame::Build(MControl& area) {
    MDialog& dialog = Host().Dialog();
    device_ =
        dialog.CreateControl<DevicePicture>(kDevicePicture, {}, "device\\img_mouse.png", &area);
    promptPanel_ = dialog.CreateControl<PromptPanel>(kPromptPicture, {}, "img_area3.png", &area);
    prompt_ = dialog.CreateControl<MText>(kPromptText, {}, {}, &area);
    prompt_->SetFontWidth(20);
    prompt_->SetAlignment(kAlignCenter);
    prompt_->SetTextColor(kColorText);
    BindTitle(*prompt_, kConnectPrompt);
}

void HomeFrame::BuildWindowButtons() {
    MDialog& dialog = Host().Dialog();
    link_ = dialog.CreateControl<CTextButton>(kWebLink, {});
    link_->SetTextColor(kColorText);
    link_->SetAlignment(kAlignCenter);
    link_->SetTitle(kMakerWebCaption);
    link_->SetTooltip(kMakerWebAddress);
    // Their tooltips are set once, at creation, and not again with the language.
    minimize_ = dialog.CreateControl<CImageButton>(kMinimize, {}, "sysbtn_min.png");
    minimize_->SetTooltip(GetText(kMinimizeTip));
    close_ = dialog.CreateControl<CImageButton>(kClose, {}, "sysbtn_close.png");
    close_->SetTooltip(GetText(kCloseTip));
}

void HomeFrame::Place(int w, int h, float) {
    if (backdrop_ == nullptr) {
        return;
    }
    backdrop_->SetRect({0, 0, w, h});
    if (close_ != nullptr) {
        close_->SetRect({w - 50, 10, w - 30, 30});
        minimize_->SetRect({w - 86, 10, w - 66, 30});
        link_->SetRect({w - 220, h - 40, w, h - 10});
    }
    battery_->SetRect({21, h - 40, 86, h - 12});
    status_->SetRect({91, h - 40, 191, h - 13});
    tabs_->SetRect({20, 40, 380, 100});
    if (device_ != nullptr) {
        const MRect prompt{w / 2 - 150, h / 2 - 100, w / 2 + 150, h / 2 - 40};
        promptPanel_->SetRect(prompt);
        prompt_->SetRect(prompt);
        int iw = 0;
        int ih = 0;
        device_->PictureSize(iw, ih);
        int left = (w - iw) / 2;
        int top = (h - ih) / 2 + 20;
        device_->SetRect({left, top, left + iw, top + ih});
    }
    for (MTabLayout* area : areas_) {
        area->SetRect({1, 110, w - 1, h - 50});
    }
}

MRect HomeFrame::MessageRect(int w, int) {
    return {(w - 350) / 2, 200, (w - 350) / 2 + 350, 280};
}

void HomeFrame::SetBattery(int level, int state) {
    if (battery_ != nullptr) {
        battery_->SetBatteryInfo(level, state);
    }
}

MTabLayout* HomeFrame::Area(PageKind kind) const {
    std::size_t index = static_cast<std::size_t>(PageIndex(kind));
    return index < areas_.size() ? areas_[index] : nullptr;
}

void HomeFrame::ShowConnectionState(ConnectionState state) {
    state_ = state;
    const StateRow row = RowOf(state);
    status_->SetTitle(GetText(row.statusText));
    tabs_->SetEnabled(row.tabsEnabled);
    tabs_->SetCurSel(row.position);
    if (prompt_ != nullptr) {
        promptPanel_->SetVisible(row.prompt);
        prompt_->SetVisible(row.prompt);
        device_->SetLit(!row.prompt);
    }
    MDialog& dialog = Host().Dialog();
    for (int id = kActionButtons.first; id <= kActionButtons.last; ++id) {
        if (MControl* button = dialog.GetControl(id)) {
            button->SetVisible(row.actions);
        }
    }
}

void HomeFrame::ApplyOwnTexts() {
    if (status_ == nullptr) {
        return;
    }
    status_->SetFontName(kFontName);
    switch (state_.load()) {
        case ConnectionState::Wired:
        case ConnectionState::Receiver:
        case ConnectionState::Bluetooth:
            status_->SetTitle(GetText(RowOf(state_.load()).statusText));
            break;
        case ConnectionState::NoDevice:
        case ConnectionState::MouseNotAnswering:
            break;  // the old wording stays while no mouse is connected
    }
    for (int position = 0; position < static_cast<int>(std::size(kTabItems)); ++position) {
        tabs_->SetItemText(position, GetText(kTabItems[position].textId));
    }
}

}  // namespace quillon
