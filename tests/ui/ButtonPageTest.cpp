#include <gtest/gtest.h>

#include "input/FunctionCatalogue.h"
#include "platform/LanguageTable.h"
#include "support/QtInput.h"
#include "ui/ButtonPageFixture.h"
#include "ui/toolkit/NumberEdit.h"

namespace quillon {
namespace {

using namespace button_page;
using test::ButtonPageFixture;

class ButtonPageTest : public ButtonPageFixture {};

TEST_F(ButtonPageTest, AFreshProfileShowsTheSevenDefaultsInBothLanguages) {
    const int defaultTypes[] = {kFnLeftClick, kFnRightClick, kFnMiddleClick, kFnForward,
                                kFnBackward,  kFnWheelUp,    kFnWheelDown};
    const int labels[] = {121, 122, 123, 124, 125, 127, 128};
    for (int language : {kLanguageEnglishUs, kLanguageChineseSimplified}) {
        SetCurrentLanguageId(language);
        page->ApplyTexts();
        ASSERT_EQ(Mouse().GetItemCount(), 7);
        for (size_t i = 0; i < 7; ++i) {
            SCOPED_TRACE(testing::Message() << "language " << language << ", list " << i);
            ASSERT_FALSE(GetText(labels[i]).empty());
            EXPECT_EQ(List(i).GetCount(), kFunctionListSize);
            EXPECT_EQ(List(i).GetCurData(), defaultTypes[i]);
            EXPECT_EQ(List(i).GetShowText(), GetText(labels[i]));
            EXPECT_EQ(Mouse().GetItemText(static_cast<int>(i)), GetText(labels[i]));
        }
        EXPECT_EQ(List(1).GetItemText(13), GetText(160)) << "the keyboard entry's name";
        EXPECT_EQ(host.Dialog().GetControl(kTitle)->GetTitle(), GetText(101));
        EXPECT_EQ(host.Dialog().GetControl(kResponseLabel)->GetTitle(), GetText(111));
        EXPECT_EQ(host.Dialog().GetControl(kExportProfile)->GetTitle(), GetText(114));
    }
    EXPECT_EQ(Mouse().GetSelectItem(), 0);
    EXPECT_TRUE(host.tasks.empty());
}

TEST_F(ButtonPageTest, WheelDownOnTheForwardButtonIsStoredAndAppliedOnce) {
    Choose(3, kFnWheelDown);
    KeyAssignment row = Stored(4);
    EXPECT_EQ(row.macro_type, kFnWheelDown);
    EXPECT_EQ(row.macro_value, 1);
    EXPECT_EQ(row.macro_value2, 0);
    EXPECT_EQ(row.macro_desc, "128");
    EXPECT_EQ(host.tasks, std::vector<DeviceTask>{DeviceTask::ApplyToDevice});
    EXPECT_EQ(host.selectedButton, 4);
    EXPECT_EQ(Mouse().GetSelectItem(), 3);
    EXPECT_EQ(Mouse().GetItemText(3), GetText(128));
    EXPECT_EQ(List(3).GetShowText(), GetText(128));
}

TEST_F(ButtonPageTest, StoredRowsShowTheirNamesAndUnlistedFunctionsKeepTheirText) {
    Store(3, kFnEmoji, 5, 0, std::string(kEmojiFunctionName));  // as read back from the mouse
    Store(5, kFnLeftSecond, 1, 0, "111");                       // as an older row names it
    Store(7, kFnKey, 0x04, kModCtrl, "Ctrl + A");
    Store(6, kFnDisabled, 1, 0, "162");  // a button the page does not show
    page->Refresh();

    EXPECT_EQ(List(2).GetShowText(), "表情符号");
    EXPECT_EQ(Mouse().GetItemText(2), "表情符号");
    EXPECT_EQ(List(2).GetCurData(), kFnMiddleClick) << "the list has no emoji entry";
    EXPECT_EQ(List(4).GetShowText(), GetText(126)) << "not the response time's label";
    EXPECT_EQ(List(5).GetShowText(), "Ctrl + A");
    EXPECT_EQ(List(5).GetCurData(), kFnKey);
    for (size_t i : {0, 1, 3, 6}) {
        EXPECT_EQ(List(i).GetShowText(), GetText(ButtonLabelTextId(kEditableKeyCodes[i]))) << i;
    }
}

TEST_F(ButtonPageTest, TheLeftButtonListFollowsTheLock) {
    SettingsStore& store = host.store;
    EXPECT_FALSE(List(0).IsEnabled()) << "locked by default";
    EXPECT_TRUE(List(1).IsEnabled());

    // An event that reaches the locked list anyway changes nothing.
    ASSERT_TRUE(List(0).SelectData(kFnDisabled));
    host.Click(kFunctionLists[0], List(0).GetCurSel());
    EXPECT_FALSE(HasRow(1));
    EXPECT_TRUE(host.tasks.empty());
    EXPECT_EQ(List(0).GetCurData(), kFnLeftClick);

    store.SetValue(1, "leftbtn_lock", "0");
    page->Refresh();
    EXPECT_TRUE(List(0).IsEnabled());
    Choose(0, kFnDisabled);
    EXPECT_EQ(Stored(1).macro_type, kFnDisabled);

    store.SetValue(1, "leftbtn_lock", "1");
    page->FillFunctionLists();
    EXPECT_FALSE(List(0).IsEnabled());
}

TEST_F(ButtonPageTest, TheProfileSelectorSwitchesTheActiveProfile) {
    auto& selector = *host.Dialog().GetControl<MComboBox>(kProfileSelector);
    ASSERT_EQ(selector.GetCount(), 5);
    EXPECT_EQ(selector.GetItemText(0), GetText(800));
    EXPECT_EQ(selector.GetItemText(4), GetText(831));
    EXPECT_EQ(selector.GetCurData(), 1);

    selector.SelectData(3);
    host.Click(kProfileSelector, selector.GetCurSel());
    EXPECT_EQ(host.activeProfile, 3);
    EXPECT_EQ(host.store.ActiveProfile(), 3);
    EXPECT_EQ(host.tasks, std::vector<DeviceTask>{DeviceTask::SwitchProfile});

    // A profile made active elsewhere becomes the window's at the next fill.
    host.store.SetActiveProfile(5);
    page->FillProfileSelector();
    EXPECT_EQ(host.activeProfile, 5);
    EXPECT_EQ(selector.GetCurData(), 5);
}

TEST_F(ButtonPageTest, TheResponseTimeStaysWithinZeroToTwenty) {
    auto& field = *host.Dialog().GetControl<NumberEdit>(kResponseTime);
    host.store.SetValue(1, "button_respondtime", "14");
    page->Refresh();
    EXPECT_EQ(field.GetTitle(), "14") << "the stored time shows";
    struct Case {
        const char* typed;
        int event;
        const char* shown;
        const char* stored;  // null: nothing stored
    };
    const Case cases[] = {
        {"25", kEventChanging, "20", nullptr}, {"7", kEventChanging, "7", nullptr},
        {"99", kEventEditDone, "20", "20"},    {"12", kEventEditDone, "12", "12"},
        {"", kEventEditDone, "0", "0"},        {"3", kEventClick, "3", "3"},
    };
    for (const Case& c : cases) {
        host.store.SetValue(1, "button_respondtime", "-");
        field.SetTitle(c.typed);
        host.Send(kResponseTime, c.event);
        std::string stored;
        host.store.GetValue(1, "button_respondtime", stored);
        EXPECT_EQ(field.GetTitle(), c.shown) << c.typed << " event " << c.event;
        EXPECT_EQ(stored, c.stored != nullptr ? c.stored : "-") << c.typed << " event " << c.event;
    }
    EXPECT_TRUE(host.tasks.empty()) << "sent with the next apply";
}

TEST_F(ButtonPageTest, TheWindowsButtonsAreCreatedButNotRouted) {
    for (int id : {kApply, kReadBack, kRestoreDefaults}) {
        EXPECT_NE(host.Dialog().GetControl(id), nullptr) << id;
        EXPECT_EQ(host.Click(id), 0) << id;
    }
    EXPECT_TRUE(host.tasks.empty());
    EXPECT_TRUE(host.waitTasks.empty());
}

TEST_F(ButtonPageTest, ThePageFitsItsAreaAtEveryWindowSize) {
    for (auto [width, height] : {std::pair{1121, 780}, std::pair{1400, 975}, std::pair{900, 640}}) {
        host.Resize(width, height);
        const MRect area = host.Area().GetRect();
        host.Dialog().ForEachChild(&host.Area(), [&](MControl& control) {
            const MRect rect = control.GetRect();
            EXPECT_TRUE(rect.left >= area.left && rect.top >= area.top &&
                        rect.right <= area.right && rect.bottom <= area.bottom)
                << control.GetID() << " leaves the page area at " << width << " x " << height;
        });
        for (size_t i = 0; i + 1 < kEditableKeyCodes.size(); ++i) {
            EXPECT_LE(List(i).GetRect().bottom, List(i + 1).GetRect().top) << i;
        }
    }
}

TEST_F(ButtonPageTest, ALabelOfTheMousePictureSelectsItsButton) {
    host.Click(kMouse, 4);
    EXPECT_EQ(host.selectedButton, 5);
    host.Click(kMouse, 6);
    EXPECT_EQ(host.selectedButton, 8);
}

}  // namespace
}  // namespace quillon
