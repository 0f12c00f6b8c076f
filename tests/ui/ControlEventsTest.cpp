#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>

#include "RecordingDialog.h"
#include "support/QtInput.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/CSwitchButton.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/EmojiControl.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MEdit.h"
#include "ui/toolkit/MSlider.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/MacroList.h"
#include "ui/toolkit/MouseCtrl.h"
#include "ui/toolkit/NumberEdit.h"

namespace quillon {
namespace {

using Event = test::RecordingDialog::Event;

class ControlEvents : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog_.build = [this](test::RecordingDialog& d) {
            button_ = d.CreateControl<MButton>(10, {10, 10, 110, 40});
            check_ = d.CreateControl<CCheckButton>(11, {10, 50, 150, 70});
            switch_ = d.CreateControl<CSwitchButton>(12, {160, 50, 210, 74});
            box_ = d.CreateControl<MComboBox>(13, {10, 80, 200, 110});
            edit_ = d.CreateControl<MEdit>(14, {10, 120, 200, 150});
            number_ = d.CreateControl<NumberEdit>(15, {210, 120, 300, 150});
            slider_ = d.CreateControl<MSlider>(16, {10, 160, 210, 180});
            stage_ = d.CreateControl<DPIControl>(17, {220, 160, 320, 220});
            list_ = d.CreateControl<MacroList>(18, {330, 10, 590, 200});
            tabs_ = d.CreateControl<MTabCtrl>(19, {10, 230, 310, 290});
            mouse_ = d.CreateControl<MouseCtrl>(20, {320, 210, 590, 390});
            emoji_ = d.CreateControl<EmojiControl>(21, {10, 300, 310, 390});
        };
        dialog_.Open();
        dialog_.View()->activateWindow();
        QApplication::setActiveWindow(dialog_.View());
        test::ClearFocus();  // activation moves the focus into the first field
        dialog_.events.clear();
    }
    void TearDown() override { test::ClearFocus(); }

    test::RecordingDialog dialog_;
    MButton* button_ = nullptr;
    CCheckButton* check_ = nullptr;
    CSwitchButton* switch_ = nullptr;
    MComboBox* box_ = nullptr;
    MEdit* edit_ = nullptr;
    NumberEdit* number_ = nullptr;
    MSlider* slider_ = nullptr;
    DPIControl* stage_ = nullptr;
    MacroList* list_ = nullptr;
    MTabCtrl* tabs_ = nullptr;
    MouseCtrl* mouse_ = nullptr;
    EmojiControl* emoji_ = nullptr;
};

TEST_F(ControlEvents, ClicksOfButtonsAndSwitchesSendCode2) {
    test::Click(*button_);
    test::Click(*check_, 5, 10);
    test::Click(*switch_);
    test::Click(*check_, 5, 10);
    EXPECT_EQ(dialog_.events, (std::vector<Event>{{10, 2, 0}, {11, 2, 0}, {12, 2, 0}, {11, 2, 0}}));
    EXPECT_FALSE(check_->GetCheck()) << "two clicks toggle twice";
    EXPECT_TRUE(switch_->GetCheck());

    button_->SetEnabled(false);
    test::Click(*button_);
    EXPECT_EQ(dialog_.EventsOf(10).size(), 1u) << "a disabled button sends nothing";
}

TEST_F(ControlEvents, ChoosingAListItemSelectsItAndSendsCode2WithItsPosition) {
    box_->AddItem("125Hz", 1);
    box_->AddItem("500Hz", 3);
    box_->AddItem("1000Hz", 4);
    box_->SetShowText("custom");
    test::Click(*box_);
    ASSERT_TRUE(test::ChoosePopupItem(2));
    EXPECT_EQ(dialog_.EventsOf(13), (std::vector<Event>{{13, 2, 2}}));
    EXPECT_EQ(box_->GetCurSel(), 2);
    EXPECT_EQ(box_->GetCurData(), 4);
    EXPECT_EQ(box_->GetShowText(), "1000Hz");
    EXPECT_FALSE(box_->SelectData(7));
    EXPECT_EQ(box_->GetCurSel(), 2);
}

TEST_F(ControlEvents, TextFieldsSendFocusTypingAndEditingFinished) {
    test::Focus(*edit_);
    test::Type(*edit_, "17");
    test::ClearFocus();
    EXPECT_EQ(dialog_.EventsOf(14),
              (std::vector<Event>{{14, 30, 0}, {14, 26, 0}, {14, 26, 0}, {14, 29, 0}}));
    EXPECT_EQ(edit_->GetTitle(), "17");

    dialog_.events.clear();
    number_->SetRange(0, 20);
    number_->SetValue(20);
    test::Focus(*number_);
    test::Type(*number_, "x5", true);
    EXPECT_EQ(number_->GetTitle(), "205") << "a number field takes digits only";
    EXPECT_EQ(dialog_.EventsOf(15), (std::vector<Event>{{15, 30, 0}, {15, 26, 0}, {15, 29, 0}}));
}

TEST_F(ControlEvents, NumberArrowsStepWithinTheRangeAndSendCode2) {
    number_->SetRange(0, 20);
    number_->SetValue(19);
    int arrowX = number_->View()->width() - 10;
    test::Click(*number_, arrowX, 5);
    test::Click(*number_, arrowX, 5);
    EXPECT_EQ(number_->GetValue(), 20);
    test::Click(*number_, arrowX, number_->View()->height() - 5);
    EXPECT_EQ(number_->GetValue(), 19);
    EXPECT_EQ(dialog_.EventsOf(15).size(), 3u);
    EXPECT_EQ(dialog_.EventsOf(15).back().code, 2);
}

TEST_F(ControlEvents, StageControlsSendClickTypingAndCommit) {
    stage_->SetGroupName("MOUSE_DPICTRL");
    stage_->SetValue(800);
    test::Click(*stage_, 10, 8);
    EXPECT_TRUE(stage_->GetCheck());
    test::Focus(*stage_);
    auto* field = stage_->View()->findChild<QLineEdit*>();
    field->selectAll();
    test::Type(*stage_, "1750", true);
    EXPECT_EQ(stage_->GetValue(), 1750);
    std::vector<Event> events = dialog_.EventsOf(17);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front().code, 2);
    EXPECT_EQ(events.back().code, 29);
    EXPECT_EQ(
        std::count_if(events.begin(), events.end(), [](const Event& e) { return e.code == 26; }),
        4);
}

TEST_F(ControlEvents, OnlyTheUsersFocusChoosesAStage) {
    stage_->SetGroupName("MOUSE_DPICTRL");
    auto* field = stage_->View()->findChild<QLineEdit*>();
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::OtherFocusReason,
                                   Qt::PopupFocusReason, Qt::MouseFocusReason}) {
        test::ClearFocus();
        field->setFocus(reason);
        test::ProcessEvents();
        ASSERT_TRUE(field->hasFocus()) << reason;
        bool byUser = reason == Qt::MouseFocusReason;
        EXPECT_EQ(stage_->GetCheck(), byUser) << reason;
        std::vector<Event> events = dialog_.EventsOf(17);
        EXPECT_EQ(std::count_if(events.begin(), events.end(),
                                [](const Event& e) { return e.code == kEventClick; }),
                  byUser ? 1 : 0)
            << reason;
    }
}

TEST_F(ControlEvents, SliderDragSendsChangingThenCode2OnRelease) {
    slider_->SetRange(0, 100);
    test::Drag(*slider_, 20, 150);
    std::vector<Event> events = dialog_.EventsOf(16);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events.back().code, 2);
    for (size_t i = 0; i + 1 < events.size(); ++i) {
        EXPECT_EQ(events[i].code, 26);
    }
    EXPECT_GT(slider_->GetProgress(), 50);
}

TEST_F(ControlEvents, ListsSendSelectionContextRequestAndRename) {
    list_->AddString("Custom 1");
    list_->AddString("Custom 2");
    list_->SetItemData(1, 42);
    test::Click(*list_, 50, 48);
    test::RightClick(*list_, 50, 16);
    EXPECT_EQ(dialog_.EventsOf(18), (std::vector<Event>{{18, 2, 1}, {18, 9, 0}}));
    EXPECT_EQ(list_->GetCurSel(), 0);

    dialog_.events.clear();
    test::Click(*list_, list_->View()->width() - 10, 16);  // the "more" mark of the selected row
    EXPECT_EQ(dialog_.EventsOf(18), (std::vector<Event>{{18, 9, 0}}));

    dialog_.events.clear();
    test::DoubleClick(*list_, 50, 48);
    auto* editor = list_->View()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Sniper");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(dialog_.EventsOf(18).back(), (Event{18, 29, 1}));
    EXPECT_EQ(list_->GetItemText(1), "Sniper");
    EXPECT_EQ(list_->GetItemData(1), 42);
}

TEST_F(ControlEvents, TabsMouseLabelsAndEmojiSendTheirPosition) {
    tabs_->InsertItem(1, "Home", "", nullptr);
    tabs_->InsertItem(2, "Keys", "", nullptr);
    tabs_->SetItemWidth(60, 60, 1);
    test::Click(*tabs_, 90, 30);
    EXPECT_EQ(dialog_.EventsOf(19), (std::vector<Event>{{19, 2, 1}}));
    EXPECT_EQ(tabs_->GetCurSel(), 1);
    tabs_->SetEnabled(false);
    test::Click(*tabs_, 10, 30);
    EXPECT_EQ(tabs_->GetCurSel(), 1) << "a disabled tab control ignores clicks";

    mouse_->AddItem("Left click", 1, MouseCtrl::kSideLeft);
    mouse_->AddItem("Right click", 2, MouseCtrl::kSideRight);
    test::Click(*mouse_, mouse_->View()->width() - 20, mouse_->View()->height() / 2);
    EXPECT_EQ(dialog_.EventsOf(20), (std::vector<Event>{{20, 2, 1}}));
    EXPECT_EQ(mouse_->GetSelectItem(), 1);

    for (int n = 1; n <= 15; ++n) {
        emoji_->AddItem(n, "Emoji\\wechat_emoji_00.png", "emoji " + std::to_string(n));
    }
    test::Click(*emoji_, 45, 45);  // second row, second column of 30-pixel cells
    EXPECT_EQ(dialog_.EventsOf(21), (std::vector<Event>{{21, 2, 11}}));
    EXPECT_EQ(emoji_->GetItemData(emoji_->GetCurSel()), 12);
    EXPECT_EQ(emoji_->GetItemText(11), "emoji 12");
}

}  // namespace
}  // namespace quillon
