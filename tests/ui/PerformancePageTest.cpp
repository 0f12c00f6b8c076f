#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <string>

#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "support/PageTestHost.h"
#include "support/QtInput.h"
#include "ui/MessageBox.h"
#include "ui/pages/PerformancePage.h"
#include "ui/pages/PerformancePageIds.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/DPISlider.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MText.h"
#include "ui/toolkit/NumberEdit.h"

namespace quillon {
namespace {

using namespace perf;

// The page in a shown one-page window over a fresh database (profile 1 active, defaults).
class PerformancePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.connectionMode = 1;
        host.Install(std::make_unique<PerformancePage>(host));
        host.Dialog().ShowWindow(kSwShow);
        test::ProcessEvents();
    }
    void TearDown() override { test::ClearFocus(); }

    std::string Stored(const std::string& key) {
        std::string value;
        host.store.GetValue(host.activeProfile, key, value);
        return value;
    }
    void Store(const std::string& key, const std::string& value) {
        ASSERT_TRUE(host.store.SetValue(host.activeProfile, key, value));
    }
    DPIControl& Stage(int stage) {
        return *host.Dialog().GetControl<DPIControl>(kFirstStage + stage - 1);
    }
    DPISlider& Slider() { return *host.Dialog().GetControl<DPISlider>(kDpiSlider); }
    template <class T>
    T& Control(int id) {
        return *host.Dialog().GetControl<T>(id);
    }
    // Replaces the stage's text by `text` with real keystrokes; Enter finishes the editing.
    void TypeInto(int stage, const std::string& text, bool finish) {
        test::Focus(Stage(stage));
        QLineEdit* field = Stage(stage).View()->findChild<QLineEdit*>();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        test::Type(Stage(stage), text, finish);
        test::ProcessEvents();
    }
    // Every configuration value of the active profile, to show that nothing changed.
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> values;
        for (const char* key :
             {"dpi_index", "dpi_count", "report_rate", "dpi_group0_value", "dpi_group1_value",
              "dpi_group2_value", "dpi_group3_value", "dpi_group4_value", "dpi_group5_value",
              "dpi_group0_rgb", "dpi_group5_rgb"}) {
            values[key] = Stored(key);
        }
        return values;
    }

    test::PageTestHost host;
};

TEST_F(PerformancePageTest, TypedStageValuesAreCutWhileTypingAndRoundedWhenDone) {
    struct Case {
        int stage;
        std::string typed;
        int whileTyping;
        int stored;
    };
    const Case cases[] = {
        {2, "1249", 1249, 1200},    {4, "1250", 1250, 1300},    {5, "150", 150, 200},
        {6, "30000", 24000, 24000}, {1, "23951", 23951, 24000}, {3, "0", 0, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::string key = "dpi_group" + std::to_string(c.stage - 1) + "_value";
        const std::string before = Stored(key);
        TypeInto(c.stage, c.typed, false);
        EXPECT_EQ(Stage(c.stage).GetValue(), c.whileTyping);
        EXPECT_EQ(Slider().GetProgress(), std::max(1, c.whileTyping / 100));
        EXPECT_EQ(Stored(key), before) << "nothing is stored before the typing ends";

        QTest::keyClick(Stage(c.stage).View()->findChild<QLineEdit*>(), Qt::Key_Return);
        test::ProcessEvents();
        EXPECT_EQ(Stage(c.stage).GetValue(), c.stored);
        EXPECT_EQ(Stored(key), std::to_string(c.stored));
        EXPECT_EQ(Stored("dpi_index"), std::to_string(c.stage - 1));
        EXPECT_EQ(host.highlightedStage.load(), kFirstStage + c.stage - 1);
        EXPECT_TRUE(Stage(c.stage).GetCheck());
        EXPECT_EQ(Slider().GetProgress(), c.stored / 100);
    }
    EXPECT_TRUE(host.tasks.empty());
}

TEST_F(PerformancePageTest, ClickingAStageMakesItCurrentAndTheSliderFollows) {
    test::Click(Stage(5), 20, 8);
    test::ProcessEvents();
    EXPECT_EQ(Stored("dpi_index"), "4");
    EXPECT_EQ(host.highlightedStage.load(), 105);
    EXPECT_TRUE(Stage(5).GetCheck());
    EXPECT_FALSE(Stage(3).GetCheck());
    EXPECT_EQ(Slider().GetProgress(), 32);
}

TEST_F(PerformancePageTest, SliderStoresItsPositionTimesHundredWithinTheStageRange) {
    host.Click(102);
    // Dragging to either end of the track: the slider stops at 24000 and at 200.
    test::Drag(Slider(), Slider().View()->width() / 2, Slider().View()->width());
    EXPECT_EQ(Slider().GetProgress(), 240);
    EXPECT_EQ(Stage(2).GetValue(), 24000);
    EXPECT_EQ(Stored("dpi_group1_value"), "24000");
    test::Drag(Slider(), Slider().View()->width() / 2, 0);
    EXPECT_EQ(Slider().GetProgress(), 2);
    EXPECT_EQ(Stored("dpi_group1_value"), "200");

    // Position 241, the one just past the cap, and a move that is not yet released.
    Slider().SetProgress(241);
    host.Click(kDpiSlider);
    EXPECT_EQ(Stored("dpi_group1_value"), "24000");
    EXPECT_EQ(Slider().GetProgress(), 240);
    Slider().SetProgress(57);
    host.Send(kDpiSlider, kEventChanging);
    EXPECT_EQ(Stage(2).GetValue(), 5700);
    EXPECT_EQ(Stored("dpi_group1_value"), "24000");
    EXPECT_EQ(Stored("dpi_group0_value"), "800") << "only the highlighted stage follows";
}

TEST_F(PerformancePageTest, StepButtonsMoveOneHundredAndStopAtTheEnds) {
    host.Click(104);
    host.Click(kStepUp);
    EXPECT_EQ(Stored("dpi_group3_value"), "2500");
    host.Click(kStepDown);
    host.Click(kStepDown);
    EXPECT_EQ(Stored("dpi_group3_value"), "2300");
    EXPECT_EQ(Stage(4).GetValue(), 2300);

    Slider().SetProgress(240);
    host.Click(kStepUp);
    EXPECT_EQ(Stored("dpi_group3_value"), "24000");
    EXPECT_EQ(Slider().GetProgress(), 240);
    Slider().SetProgress(2);
    host.Click(kStepDown);
    EXPECT_EQ(Stored("dpi_group3_value"), "200");
    EXPECT_EQ(Slider().GetProgress(), 2);
}

TEST_F(PerformancePageTest, ReportRateButtonsFollowTheConnection) {
    auto shown = [&] {
        std::vector<int> ids;
        for (int id = kRate125; id <= kRate8000; ++id) {
            if (Control<ColorButtonEx>(id).IsShown()) {
                ids.push_back(id);
            }
        }
        return ids;
    };
    Store("report_rate", "3");
    host.GetPage().Refresh();
    EXPECT_EQ(shown(), (std::vector<int>{114, 115, 116, 117}));
    EXPECT_TRUE(Control<ColorButtonEx>(116).GetCheck());
    const int firstLeft = Control<ColorButtonEx>(114).GetRect().left;

    host.connectionMode = 0;
    host.GetPage().Refresh();
    EXPECT_EQ(shown(), (std::vector<int>{117}));
    EXPECT_TRUE(Control<ColorButtonEx>(117).GetCheck());
    EXPECT_EQ(Control<ColorButtonEx>(117).GetRect().left, firstLeft);
    host.Resize(1400, 975);
    EXPECT_EQ(shown(), (std::vector<int>{117}));

    host.connectionMode = 1;
    host.GetPage().Refresh();
    EXPECT_EQ(shown(), (std::vector<int>{114, 115, 116, 117}));
    for (int code = 1; code <= 4; ++code) {
        test::Click(Control<ColorButtonEx>(kRate125 + code - 1));
        EXPECT_EQ(Stored("report_rate"), std::to_string(code));
    }
}

TEST_F(PerformancePageTest, ReportRateResetAsksAndStoresTheRateOfTheConnection) {
    host.answers = {kIdCancel};
    host.Click(kRateReset);
    EXPECT_EQ(Stored("report_rate"), "2");
    EXPECT_TRUE(Control<ColorButtonEx>(115).GetCheck());
    host.Click(kRate125);
    host.Click(kRateReset);
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].titleId, 257);
    EXPECT_EQ(host.boxes[1].textId, 259);
    // Through the receiver the stored rate is 250 Hz, and that is what the buttons show.
    EXPECT_EQ(Stored("report_rate"), "2");
    EXPECT_TRUE(Control<ColorButtonEx>(115).GetCheck());
    host.connectionMode = 0;
    host.Click(kRateReset);
    EXPECT_EQ(Stored("report_rate"), "4");
    EXPECT_TRUE(Control<ColorButtonEx>(117).GetCheck());
}

TEST_F(PerformancePageTest, RefreshShowsTheStoredValuesAndOddOnesAsZero) {
    Store("dpi_index", "6");
    Store("dpi_group2_value", "abc");
    Store("dpi_group4_value", "3300");
    Store("dpi_group4_rgb", "12345");
    Store("dpi_count", "abc");
    Store("sleep_light", "60");
    Store("sensor_flag", "24");
    Store("liftoff_height", "2");
    Store("scroll_flag", "1");
    Store("move_light_flag", "1");
    Store("move_wakeUp_flag", "0");
    Store("e-sports_flag", "2");
    host.GetPage().Refresh();
    EXPECT_EQ(host.highlightedStage.load(), 101);
    EXPECT_TRUE(Stage(1).GetCheck());
    EXPECT_FALSE(Stage(3).GetCheck());
    EXPECT_EQ(Slider().GetProgress(), 8);
    EXPECT_EQ(Stage(3).GetValue(), 0);
    EXPECT_EQ(Stage(5).GetValue(), 3300);
    EXPECT_EQ(Stage(5).GetColor(), 12345u);
    EXPECT_EQ(Control<MComboBox>(kStageCountList).GetCurSel(), 0);
    EXPECT_EQ(Control<MComboBox>(kSleepList).GetCurData(), 60);
    EXPECT_EQ(Control<MComboBox>(kSleepList).GetItemText(6), "1 hour");
    EXPECT_TRUE(Control<CRadioButton>(kLiftOffHigh).GetCheck());
    EXPECT_FALSE(Control<CRadioButton>(kLiftOffLow).GetCheck());
    EXPECT_TRUE(Control<CRadioButton>(kScrollReversed).GetCheck());
    EXPECT_TRUE(Control<CCheckButton>(kMotionLight).GetCheck());
    EXPECT_FALSE(Control<CCheckButton>(kMotionWakeUp).GetCheck());
    EXPECT_TRUE(Control<CRadioButton>(kESportsOn).GetCheck());

    Store("dpi_index", "abc");
    Store("dpi_count", "4");
    Store("sleep_light", "abc");
    Store("e-sports_flag", "abc");
    Store("liftoff_height", "abc");
    host.highlightedStage = 104;
    host.GetPage().Refresh();
    EXPECT_EQ(host.highlightedStage.load(), 101);
    EXPECT_EQ(Control<MComboBox>(kStageCountList).GetCurData(), 4);
    EXPECT_EQ(Control<MComboBox>(kSleepList).GetCurSel(), 0);
    EXPECT_TRUE(Control<CRadioButton>(kESportsOff).GetCheck());
    EXPECT_TRUE(Control<CRadioButton>(kLiftOffLow).GetCheck());

    for (const char* index : {"-1", "5", "7"}) {
        Store("dpi_index", index);
        host.highlightedStage = 103;
        host.GetPage().Refresh();
        EXPECT_EQ(host.highlightedStage.load(), std::string(index) == "5" ? 106 : 101) << index;
    }
}

TEST_F(PerformancePageTest, TheThreeSensorSwitchesShareAnIdAndStoreTheirBits) {
    std::vector<CCheckButton*> switches;
    for (MControl* control : host.Dialog().GetControls()) {
        if (control->GetID() == kSensorSwitch) {
            switches.push_back(dynamic_cast<CCheckButton*>(control));
        }
    }
    ASSERT_EQ(switches.size(), 3u);
    EXPECT_TRUE(host.Dialog().IdClashes().empty());
    Store("sensor_flag", "0");
    host.GetPage().Refresh();
    struct Step {
        int clicked;  // 0..2
        const char* flag;
    };
    for (const Step& step :
         {Step{0, "4"}, Step{2, "20"}, Step{1, "28"}, Step{0, "24"}, Step{2, "8"}, Step{1, "0"}}) {
        test::Click(*switches[step.clicked], 5, 10);
        EXPECT_EQ(Stored("sensor_flag"), step.flag) << "after switch " << step.clicked;
    }
    Store("sensor_flag", "53");  // bits 4 and 16, and bits that are no switch's
    host.GetPage().Refresh();
    EXPECT_TRUE(switches[0]->GetCheck());
    EXPECT_FALSE(switches[1]->GetCheck());
    EXPECT_TRUE(switches[2]->GetCheck());
}

TEST_F(PerformancePageTest, DpiResetAsksFirstAndCancelLeavesEverything) {
    TypeInto(2, "5000", true);
    Store("dpi_group4_rgb", "77");
    Store("dpi_count", "3");
    host.GetPage().Refresh();
    const auto before = Snapshot();
    host.answers = {kIdCancel};
    host.Click(kDpiReset);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].titleId, 253);
    EXPECT_EQ(host.boxes[0].textId, 258);
    EXPECT_EQ(host.boxes[0].style, kMessageBoxConfirm);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Stage(2).GetValue(), 5000);
    EXPECT_EQ(host.highlightedStage.load(), 102);

    host.Click(kDpiReset);
    const int defaults[] = {800, 1200, 1600, 2400, 3200, 6400};
    for (int s = 1; s <= 6; ++s) {
        EXPECT_EQ(Stage(s).GetValue(), defaults[s - 1]);
        EXPECT_EQ(Stored("dpi_group" + std::to_string(s - 1) + "_value"),
                  std::to_string(defaults[s - 1]));
    }
    EXPECT_EQ(Stored("dpi_group4_rgb"), "16776960");
    EXPECT_EQ(Stage(5).GetColor(), 16776960u);
    EXPECT_EQ(Stored("dpi_count"), "5");
    EXPECT_EQ(Stored("dpi_index"), "2");
    EXPECT_EQ(host.highlightedStage.load(), 103);
    EXPECT_EQ(Slider().GetProgress(), 16);
}

TEST_F(PerformancePageTest, EveryChoiceIsStoredAtOnceAndNothingIsSent) {
    struct Case {
        int id;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {kLiftOffHigh, "liftoff_height", "2"},    {kLiftOffLow, "liftoff_height", "1"},
        {kScrollReversed, "scroll_flag", "1"},    {kScrollNormal, "scroll_flag", "0"},
        {kESportsOff, "e-sports_flag", "1"},      {kESportsOn, "e-sports_flag", "2"},
        {kMotionLight, "move_light_flag", "0"},   {kMotionLight, "move_light_flag", "1"},
        {kMotionWakeUp, "move_wakeUp_flag", "0"},
    };
    Store("move_light_flag", "1");
    Store("move_wakeUp_flag", "1");
    Store("e-sports_flag", "2");
    host.GetPage().Refresh();
    for (const Case& c : cases) {
        test::Click(Control<CCheckButton>(c.id), 5, 10);
        EXPECT_EQ(Stored(c.key), c.value) << c.id;
    }
    auto& sleep = Control<MComboBox>(kSleepList);
    sleep.SetCurSel(6);
    host.Click(kSleepList, 6);
    EXPECT_EQ(Stored("sleep_light"), "60");
    auto& count = Control<MComboBox>(kStageCountList);
    count.SetCurSel(2);
    host.Click(kStageCountList, 2);
    EXPECT_EQ(Stored("dpi_count"), "3");
    EXPECT_TRUE(host.tasks.empty());
    EXPECT_TRUE(host.waitTasks.empty());
    EXPECT_EQ(host.Click(kRate8000), 0) << "the rates the mouse lacks do nothing";
}

TEST_F(PerformancePageTest, RefreshFillsTheButtonPageFieldsWhenThereAreAny) {
    auto* response = host.Dialog().CreateControl<NumberEdit>(kResponseTimeField, {0, 0, 60, 30});
    auto* leftList = host.Dialog().CreateControl<MComboBox>(kLeftButtonList, {0, 40, 60, 70});
    Store("button_respondtime", "13");
    host.GetPage().Refresh();
    EXPECT_EQ(response->GetValue(), 13);
    EXPECT_FALSE(leftList->IsEnabled());
    EXPECT_TRUE(host.leftButtonLocked.load());
    Store("leftbtn_lock", "0");
    host.GetPage().Refresh();
    EXPECT_TRUE(leftList->IsEnabled());
    EXPECT_FALSE(host.leftButtonLocked.load());
}

TEST_F(PerformancePageTest, ComposedTextsFollowTheLanguage) {
    auto& sleep = Control<MComboBox>(kSleepList);
    auto& sensorHelp = *host.Dialog().GetControl(kSensorHelp);
    EXPECT_EQ(Stage(4).GetTitle(), "DPI 4");
    EXPECT_EQ(sleep.GetItemText(0), "1 min");
    EXPECT_EQ(sleep.GetItemText(5), "30 min");
    const std::string english = sensorHelp.GetTooltip();
    EXPECT_EQ(english.substr(0, english.find("\n\n")),
              GetText(575) + "\n" + GetText(576) + "\n" + GetText(577) + "\n" + GetText(578));
    EXPECT_NE(english.find(GetText(580) + "\n\n" + GetText(581) + "\n" + GetText(582)),
              std::string::npos);

    SetCurrentLanguageId(2052);
    host.GetPage().ApplyTexts();
    EXPECT_EQ(sleep.GetItemText(0), "1 " + GetText(611));
    EXPECT_EQ(sleep.GetItemText(6), "1 " + GetText(613));
    EXPECT_EQ(sleep.GetItemData(6), 60);
    EXPECT_NE(sensorHelp.GetTooltip(), english);
    EXPECT_NE(sensorHelp.GetTooltip().find(GetText(579)), std::string::npos);
    EXPECT_EQ(Control<MText>(kDpiTitle).GetTitle(), GetText(171));
    SetCurrentLanguageId(1033);
}

}  // namespace
}  // namespace quillon
