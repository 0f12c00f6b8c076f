#include "ui/pages/PerformancePage.h"

#include <string>

#include "platform/LanguageTable.h"
#include "platform/NumberText.h"
#include "protocol/ProfileValues.h"
#include "store/Schema.h"
#include "ui/pages/PerformancePageIds.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/CHelpButton.h"
#include "ui/toolkit/CImageButton.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/CRoundArea.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/DPISlider.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MPicture.h"
#include "ui/toolkit/MText.h"

namespace quillon {

using namespace perf;

namespace {

constexpr const char* kRateCaptions[] = {"125Hz",  "250Hz",  "500Hz", "1000Hz",
                                         "2000Hz", "4000Hz", "8000Hz"};
constexpr int kSleepMinutes[] = {1, 3, 5, 10, 20, 30};
constexpr int kSleepHourData = 60;
constexpr int kHeadingPixels = 16;
// A shade darker than the cards, so the slider's panel reads as part of the DPI card.
constexpr std::uint32_t kInnerPanelColour = 0xFF16222C;
// Light modes of the (hidden) light-mode list: texts 531.. with the mode as item data.
constexpr int kLightModes = 7;

// A help button at the top-right of a panel, level with its heading.
MRect HelpIn(const MRect& panel) {
    return {panel.right - 38, panel.top + 13, panel.right - 18, panel.top + 33};
}

}  // namespace

PerformancePage::PerformancePage(PageHost& host, GuiTimer& timer, std::function<MRect()> workArea)
    : Page(host), timer_(timer), workArea_(std::move(workArea)) {}

int PerformancePage::DefaultValue(const std::string& key) {
    for (const ConfigValue& row : InsertedValues()) {
        if (row.key == key) {
            return ParseLeadingInt(row.value);
        }
    }
    return 0;
}

std::vector<IdRange> PerformancePage::Ids() const {
    return {{kFirstId, kLastId}};
}

template <class T>
T* PerformancePage::Add(int id, const MRect& base, int fontPixels, const std::string& image) {
    T* control = Host().Dialog().CreateControl<T>(id, Scaled(base), image, area_);
    control->SetFontWidth(fontPixels);
    placed_.push_back({control, base, fontPixels});
    return control;
}

void PerformancePage::Build(MControl& area) {
    area_ = &area;
    // The three sensor switches carry one id on purpose, and the scroll and e-sports panels
    // reuse the report-rate panel's.
    Host().Dialog().AllowSharedId(kSensorSwitch);
    Host().Dialog().AllowSharedId(kGroupPanel);
    BuildDpiGroup();
    BuildRateGroup();
    BuildSideGroups();
    BuildSwitchGroups();
    BuildLightGroup();
    ApplyOwnTexts();
}

void PerformancePage::BuildDpiGroup() {
    const MRect card{20, 120, 1101, 368};
    // The stage count and the buttons share the heading's line.
    AddHeading(kDpiTitle, *Add<CRoundArea>(kDpiPanel, card), 171, 700);
    auto* countLabel = Add<MText>(kStageCountLabel, {720, 132, 895, 158});
    countLabel->SetAlignment(kAlignRight);
    BindTitle(*countLabel, 260);
    stageCount_ = Add<MComboBox>(kStageCountList, {903, 129, 1003, 161}, 14, "img_combobox.png");
    for (int count = 1; count <= kStageCount; ++count) {
        stageCount_->AddItem(std::to_string(count), count);
    }
    stageCount_->SelectData(DefaultValue("dpi_count"));
    BindTooltip(*Add<CHelpButton>(kDpiHelp, {1019, 135, 1039, 155}), 252);
    BindTooltip(*Add<CImageButton>(kDpiReset, {1053, 132, 1079, 158}, 14, "btn_reset.png"), 253);

    for (int s = 0; s < kStageCount; ++s) {
        int left = 40 + s * 176;
        DPIControl* stage = Add<DPIControl>(kFirstStage + s, {left, 170, left + 161, 236});
        stage->SetGroupName(kStageGroup);
        stage->SetValue(DefaultValue(ProfileValues::DpiValueKey(s)));
        stage->SetColor(static_cast<std::uint32_t>(DefaultValue(ProfileValues::DpiColourKey(s))));
        stages_[s] = stage;
    }

    const MRect sensitivity{40, 248, 1081, 354};
    auto* inner = Add<CRoundArea>(kSensitivityPanel, sensitivity, kHeadingPixels);
    inner->SetColor(kInnerPanelColour);
    BindTitle(*inner, 249);
    Add<CImageButton>(kStepDown, {60, 312, 86, 338}, 14, "img_btn_subtract.png");
    slider_ = Add<DPISlider>(kDpiSlider, {98, 290, 964, 342}, 14, "img_dpi_bar.png");
    slider_->SetThumbImage("img_area2.png");
    Add<CImageButton>(kStepUp, {976, 312, 1002, 338}, 14, "img_btn_addvalue.png");
    BindTitle(*Add<MText>(kDpiUnitLabel, {1014, 310, 1070, 340}), 261);
    int index = DefaultValue("dpi_index");
    Highlight(kFirstStage + index, stages_[index]->GetValue());
}

void PerformancePage::BuildRateGroup() {
    const MRect card{20, 380, 500, 544};
    BindTitle(*Add<CRoundArea>(kGroupPanel, card, kHeadingPixels), 255);
    // The panel carries the heading; the label stays for the window's id table.
    Add<MText>(kRateLabel, {});
    BindTooltip(*Add<CHelpButton>(kRateHelp, {432, 393, 452, 413}), 256);
    BindTooltip(*Add<CImageButton>(kRateReset, {462, 390, 486, 416}, 14, "btn_reset.png"), 257);
    for (int i = 0; i < 7; ++i) {
        auto* rate = Add<ColorButtonEx>(kRate125 + i, {});
        rate->SetGroupName(kRateGroup);
        rate->SetTitle(kRateCaptions[i]);
        rate->SetAlignment(kAlignCenter);
        rates_[i] = rate;
    }
    rates_[0]->SetCheck(true);
    for (int i = 4; i < 7; ++i) {
        rates_[i]->SetVisible(false);
    }
}

void PerformancePage::AddHeading(int id, const MControl& panel, int textId, int right) {
    auto* heading = Add<MText>(id, {0, 0, right, 0}, kHeadingPixels);
    heading->SetVAlignment(kVAlignTop);
    placed_.back().panel = &panel;
    BindTitle(*heading, textId);
}

void PerformancePage::AddChoice(CRadioButton*& first, CRadioButton*& second, int firstId,
                                const char* group, const MRect& firstBase,
                                const MRect& secondBase) {
    first = Add<CRadioButton>(firstId, firstBase);
    second = Add<CRadioButton>(firstId + 1, secondBase);
    first->SetGroupName(group);
    second->SetGroupName(group);
    first->SetCheck(true);
}

void PerformancePage::BuildSideGroups() {
    const MRect liftOff{512, 380, 796, 544};
    BindTitle(*Add<CRoundArea>(kLiftOffPanel, liftOff, kHeadingPixels), 560);
    Add<MText>(kLiftOffLabel, {});
    BindTooltip(*Add<CHelpButton>(kLiftOffHelp, HelpIn(liftOff)), 561);
    AddChoice(liftOffLow_, liftOffHigh_, kLiftOffLow, kLiftOffGroup, {532, 475, 652, 499},
              {664, 475, 784, 499});
    liftOffLow_->SetTitle("1.0mm");
    liftOffHigh_->SetTitle("2.0mm");

    const MRect sleep{808, 380, 1101, 544};
    BindTitle(*Add<CRoundArea>(kSleepPanel, sleep, kHeadingPixels), 610);
    Add<MText>(kSleepLabel, {});
    sleep_ = Add<MComboBox>(kSleepList, {828, 470, 1081, 504}, 14, "img_combobox.png");
    for (int minutes : kSleepMinutes) {
        sleep_->AddItem({}, minutes);
    }
    sleep_->AddItem({}, kSleepHourData);
    sleep_->SelectData(5);

    const MRect sensor{20, 556, 284, 720};
    BindTitle(*Add<CRoundArea>(kSensorPanel, sensor, kHeadingPixels), 573);
    Add<MText>(kSensorLabel, {});
    Add<CHelpButton>(kSensorHelp, HelpIn(sensor));
    const int captions[] = {585, 586, 587};
    for (int i = 0; i < 3; ++i) {
        int top = 603 + i * 34;
        sensors_[i] =
            Add<CCheckButton>(kSensorSwitch, {40, top, 264, top + 24}, 14, "btn_checkbox.png");
        BindTitle(*sensors_[i], captions[i]);
    }
    sensors_[2]->SetCheck(true);
}

void PerformancePage::BuildSwitchGroups() {
    const MRect scroll{296, 556, 560, 720};
    AddHeading(kScrollLabel, *Add<CRoundArea>(kGroupPanel, scroll), 600);
    BindTooltip(*Add<CHelpButton>(kScrollHelp, HelpIn(scroll)), 603);
    AddChoice(scrollNormal_, scrollReversed_, kScrollNormal, kScrollGroup, {316, 604, 540, 628},
              {316, 640, 540, 664});
    BindTitle(*scrollNormal_, 601);
    BindTitle(*scrollReversed_, 602);

    const MRect motion{572, 556, 836, 720};
    AddHeading(kMotionLabel, *Add<CRoundArea>(0, motion), 617);
    motionLight_ = Add<CCheckButton>(kMotionLight, {592, 604, 816, 628}, 14, "btn_checkbox.png");
    motionWakeUp_ = Add<CCheckButton>(kMotionWakeUp, {592, 640, 816, 664}, 14, "btn_checkbox.png");
    BindTitle(*motionLight_, 618);
    BindTitle(*motionWakeUp_, 616);

    const MRect eSports{848, 556, 1101, 720};
    auto* eSportsPanel = Add<CRoundArea>(kGroupPanel, eSports);
    Add<MPicture>(kESportsPicture, eSports, 14, "img_area_content.png");
    AddHeading(kESportsLabel, *eSportsPanel, 605);
    BindTooltip(*Add<CHelpButton>(kESportsHelp, HelpIn(eSports)), 608);
    AddChoice(eSportsOn_, eSportsOff_, kESportsOn, kESportsGroup, {868, 604, 1081, 628},
              {868, 640, 1081, 664});
    BindTitle(*eSportsOn_, 606);
    BindTitle(*eSportsOff_, 607);
}

// The mouse family this page serves has no light-mode choice here: the group exists for the
// window's id table and the refresh, and is never shown.
void PerformancePage::BuildLightGroup() {
    const MRect card{808, 380, 1101, 544};
    auto* panel = Add<CRoundArea>(kLightPanel, card, kHeadingPixels);
    BindTitle(*panel, 500);
    auto* label = Add<MText>(kLightLabel, {});
    lightMode_ = Add<MComboBox>(kLightModeList, {828, 470, 1081, 504}, 14, "img_combobox.png");
    for (int mode = 0; mode < kLightModes; ++mode) {
        lightMode_->AddItem({}, mode);
        BindItemText(*lightMode_, mode, 531 + mode);
    }
    for (MControl* control : {static_cast<MControl*>(panel), static_cast<MControl*>(label),
                              static_cast<MControl*>(lightMode_)}) {
        control->SetVisible(false);
    }
}

void PerformancePage::ApplyOwnTexts() {
    for (int s = 0; s < kStageCount; ++s) {
        stages_[s]->SetTitle(GetText(261) + " " + std::to_string(s + 1));
    }
    const std::string minutes = GetText(611);
    for (int i = 0; i < static_cast<int>(std::size(kSleepMinutes)); ++i) {
        sleep_->SetItemText(i, std::to_string(kSleepMinutes[i]) + " " + minutes);
    }
    sleep_->SetItemText(static_cast<int>(std::size(kSleepMinutes)), "1 " + GetText(613));
    // One tooltip of eight texts: four lines, a blank line, two, a blank line, two.
    std::string help;
    const char* separators[] = {"\n", "\n", "\n", "\n\n", "\n", "\n\n", "\n", ""};
    for (int i = 0; i < 8; ++i) {
        help += GetText(575 + i) + separators[i];
    }
    Host().Dialog().GetControl(kSensorHelp)->SetTooltip(help);
}

}  // namespace quillon
