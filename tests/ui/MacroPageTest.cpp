#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <QTest>

#include "input/FunctionCatalogue.h"
#include "input/MacroItems.h"
#include "platform/LanguageTable.h"
#include "ui/MacroPageRig.h"
#include "ui/MessageBox.h"
#include "ui/toolkit/CIconButton.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MEdit.h"

namespace quillon {
namespace {

using namespace macro_ids;
using test::Item;
using test::MacroPageRig;
using test::SeedMacro;

constexpr int kKeycodeA = 38;
constexpr int kKeycodeRightCtrl = 105;
constexpr unsigned kKeysymA = 0x61;
constexpr unsigned kKeysymRightCtrl = 0xFFE4;

std::vector<MacroItem> KeyPair(int stamp) {
    return {Item(kItemKeyDown, 0x41, "↓  A", stamp), Item(kItemKeyUp, 0x41, "↑  A", stamp)};
}

TEST(MacroPage, WithoutMacrosTheListsStayEmptyAndRecordingIsRefused) {
    MacroPageRig rig;
    EXPECT_EQ(rig.page->macroList->GetCount(), 0);
    EXPECT_EQ(rig.page->macroList->GetCurSel(), -1);
    EXPECT_EQ(rig.page->itemList->GetCount(), 0);
    rig.host.Click(kRecord);
    ASSERT_EQ(rig.host.boxes.size(), 1u);
    EXPECT_EQ(rig.host.boxes[0].titleId, 358);
    EXPECT_EQ(rig.host.boxes[0].textId, 387);
    EXPECT_FALSE(rig.page->IsRecording());
    EXPECT_TRUE(rig.host.tabsEnabled);
    // Menus of an empty page do nothing.
    rig.Menu(kMsgMacroMenu, kMenuCopy);
    rig.Menu(kMsgMacroMenu, kMenuDelete);
    rig.Menu(kMsgInsertMenu, kMenuKeyPair);
    rig.Menu(kMsgItemMenu, kMenuTop);
    std::vector<MacroHeader> macros;
    EXPECT_EQ(rig.host.store.LoadMacros(macros), 0);
    EXPECT_EQ(rig.page->itemList->GetCount(), 0);
    EXPECT_TRUE(rig.host.Dialog().IdClashes().empty());
}

TEST(MacroPage, ShowMacroTicksTheStoredChoicesAndListsTheItemsInOrder) {
    int second = 0;
    MacroPageRig rig([&second](SettingsStore& store) {
        SeedMacro(store, "Custom 1", KeyPair(7), 2, 50, 0, 3);
        second =
            SeedMacro(store, "Custom 2 Copy", {Item(kItemPause, 20, " -   20 ms", 1)}, 0, 0, 2);
    });
    ASSERT_EQ(rig.page->macroList->GetCount(), 2);
    EXPECT_EQ(rig.page->macroList->GetCurSel(), 0);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"↓  A", "↑  A"}));
    EXPECT_TRUE(rig.page->choices.pauseChoice[2]->GetCheck());
    EXPECT_TRUE(rig.page->choices.pauseField->IsEnabled());
    EXPECT_EQ(rig.page->choices.pauseField->GetTitle(), "50");
    EXPECT_TRUE(rig.page->choices.loopChoice[2]->GetCheck());
    EXPECT_EQ(rig.page->choices.countField->GetTitle(), "3");

    test::Click(*rig.page->macroList, 20, 32 + 16);
    EXPECT_EQ(rig.page->macroList->GetCurSel(), 1);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{" -   20 ms"}));
    EXPECT_TRUE(rig.page->choices.pauseChoice[0]->GetCheck());
    EXPECT_FALSE(rig.page->choices.pauseField->IsEnabled());
    EXPECT_TRUE(rig.page->choices.loopChoice[1]->GetCheck());
    EXPECT_FALSE(rig.page->choices.countField->IsEnabled());

    // Stored names are shown in the current language.
    SetCurrentLanguageId(2052);
    rig.page->ApplyTexts();
    EXPECT_EQ(rig.page->macroList->GetItemText(0), GetText(351) + " 1");
    EXPECT_EQ(rig.page->macroList->GetItemText(1), GetText(351) + " 2 复制");
    EXPECT_EQ(rig.page->recordButton->GetTitle(), GetText(358));
    SetCurrentLanguageId(1033);
}

TEST(MacroPage, TheKeyEditorCapturesAKeyForBothItemsOfItsPair) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) {
        id = SeedMacro(store, "Keys",
                       {Item(kItemPause, 5, " -   5 ms", 1), KeyPair(9)[0], KeyPair(9)[1]});
    });
    test::Click(*rig.page->itemList, 60, 32 + 16);
    EXPECT_EQ(rig.page->editor.kindBox->GetCurData(), kKindKey);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "A") << "no arrow, no leading blank";
    EXPECT_EQ(rig.page->editor.valueField->GetHint(), GetText(385));
    EXPECT_TRUE(rig.page->editor.valueField->IsShown());
    EXPECT_FALSE(rig.page->editor.buttonBox->IsShown());

    // Choosing the kind again starts its editor afresh.
    rig.page->editor.valueField->SetTitle("x");
    rig.host.Click(kKindBox, 0);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "");
    EXPECT_EQ(rig.page->editor.valueField->GetHint(), GetText(385));

    rig.host.Send(kValueField, kEventFocusIn);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "") << "the field empties for the key";
    rig.Key(QEvent::KeyPress, kKeycodeRightCtrl, kKeysymRightCtrl);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "RCtrl");
    rig.Key(QEvent::KeyRelease, kKeycodeRightCtrl, kKeysymRightCtrl);
    rig.host.Send(kValueField, kEventEditDone);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{" -   5 ms", "↓  RCtrl", "↑  RCtrl"}));
    const std::vector<MacroItem> stored = rig.Stored(id);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1].value, 0xA3);
    EXPECT_EQ(stored[2].value, 0xA3);
    EXPECT_EQ(stored[2].desc, "↑  RCtrl");

    // Keys pressed after the capture ended reach nothing; leaving the field without a key keeps
    // the key it had.
    rig.Key(QEvent::KeyPress, kKeycodeA, kKeysymA);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "RCtrl");
    rig.host.Send(kValueField, kEventFocusIn);
    rig.host.Send(kValueField, kEventEditDone);
    EXPECT_EQ(rig.Stored(id)[1].desc, "↓  RCtrl");
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "RCtrl");
}

TEST(MacroPage, ScrollUpChangesBothItemsOfAClickPair) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) { id = SeedMacro(store, "Clicks", {}); });
    EXPECT_EQ(rig.Menu(kMsgInsertMenu, kMenuClickPair), 1);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"↓  LB", "↑  LB"}));
    test::Click(*rig.page->itemList, 60, 32 + 16);
    EXPECT_EQ(rig.page->editor.kindBox->GetCurData(), kKindMouse);
    EXPECT_TRUE(rig.page->editor.buttonBox->IsShown());
    EXPECT_FALSE(rig.page->editor.valueField->IsShown());
    EXPECT_EQ(rig.page->editor.buttonBox->GetCurData(), kFnLeftClick);

    ASSERT_TRUE(rig.page->editor.buttonBox->SelectData(kFnWheelUp));
    rig.host.Click(kButtonBox, rig.page->editor.buttonBox->GetCurSel());
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"↑  Scroll Up", "↑  Scroll Up"}));
    std::vector<MacroItem> stored = rig.Stored(id);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].value, 1);
    EXPECT_EQ(stored[1].value, 2);

    rig.page->editor.buttonBox->SelectData(kFnRightClick);
    rig.host.Click(kButtonBox, rig.page->editor.buttonBox->GetCurSel());
    stored = rig.Stored(id);
    EXPECT_EQ(stored[0].desc, "↓  RB");
    EXPECT_EQ(stored[1].desc, "↑  RB");
    EXPECT_EQ(stored[1].value, kMouseRight);
}

TEST(MacroPage, FieldsAreLimitedWhenLeftAndTheCorrectedNumberIsStored) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) {
        id = SeedMacro(store, "Limits",
                       {Item(kItemPause, 40, " -   40 ms", 1), Item(kItemMoveXY, 0x0305, "m", 2)});
    });
    MacroPlayChoices& choices = rig.page->choices;
    test::Click(*choices.pauseChoice[2]);
    EXPECT_TRUE(choices.pauseField->IsEnabled());
    choices.pauseField->SetTitle("0");
    rig.host.Send(kPauseField, kEventEditDone);
    EXPECT_EQ(choices.pauseField->GetTitle(), "10");
    EXPECT_EQ(choices.pauseField->GetHint(), "10");
    choices.countField->SetTitle("300");
    rig.host.Send(kCountField, kEventEditDone);
    EXPECT_EQ(choices.countField->GetTitle(), "255");
    MacroHeader header;
    ASSERT_TRUE(rig.host.store.GetMacro(id, header));
    EXPECT_EQ(header.delay_type, 2);
    EXPECT_EQ(header.delay_time, 10);
    EXPECT_EQ(header.play_type, 0);
    EXPECT_EQ(header.play_times, 255);
    EXPECT_EQ(header.name, "Limits");

    test::Click(*choices.loopChoice[0]);
    EXPECT_FALSE(choices.countField->IsEnabled());
    ASSERT_TRUE(rig.host.store.GetMacro(id, header));
    EXPECT_EQ(header.play_type, 1);
    EXPECT_EQ(header.play_times, 1);

    // An item's pause: 0 becomes 1; choosing the kind again starts from 10.
    test::Click(*rig.page->itemList, 60, 16);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "40");
    rig.host.Click(kKindBox, 0);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "10");
    rig.page->editor.valueField->SetTitle("0");
    rig.host.Send(kValueField, kEventEditDone);
    EXPECT_EQ(rig.page->editor.valueField->GetTitle(), "1");
    EXPECT_EQ(rig.Stored(id)[0].desc, " -   1 ms");

    // A move on both axes: a direction keeps X up to 127, a distance field limits both to 15.
    test::Click(*rig.page->itemList, 60, 32 + 16);
    MacroItemEditor& editor = rig.page->editor;
    EXPECT_TRUE(editor.xField->IsShown());
    EXPECT_FALSE(editor.kindBox->IsShown());
    EXPECT_TRUE(editor.direction[1]->GetCheck()) << "bit 7 clear: right";
    EXPECT_EQ(editor.xField->GetTitle(), "5");
    EXPECT_EQ(editor.yField->GetTitle(), "3");
    editor.xField->SetTitle("100");
    editor.yField->SetTitle("40");
    test::Click(*editor.direction[0]);
    EXPECT_EQ(editor.xField->GetTitle(), "100");
    EXPECT_EQ(editor.yField->GetTitle(), "15");
    MacroItem move = rig.Stored(id)[1];
    EXPECT_EQ(move.value, 100 | 0x80 | (15 << 8));
    EXPECT_EQ(move.desc, "←  100,↓  15");
    rig.host.Send(kXField, kEventEditDone);
    EXPECT_EQ(editor.xField->GetTitle(), "15");
    EXPECT_EQ(rig.Stored(id)[1].value, 15 | 0x80 | (15 << 8));
}

TEST(MacroPage, MenusAndButtonsWithoutASelectionChangeNothing) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) { id = SeedMacro(store, "Only", KeyPair(3)); });
    rig.Menu(kMsgItemMenu, kMenuBottom);
    rig.Menu(kMsgItemMenu, kMenuUp);
    rig.host.Click(kMoveDown);
    rig.host.Click(kDeleteItem);
    EXPECT_EQ(rig.Stored(id).size(), 2u);

    rig.page->macroList->SetCurSel(-1);
    rig.Menu(kMsgMacroMenu, kMenuCopy);
    rig.Menu(kMsgMacroMenu, kMenuDelete);
    rig.host.Click(kExport);
    std::vector<MacroHeader> macros;
    EXPECT_EQ(rig.host.store.LoadMacros(macros), 1);
    EXPECT_TRUE(rig.host.boxes.empty());
}

TEST(MacroPage, InsertIsRefusedAtTwoHundredItemsEvenForASinglePause) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) {
        std::vector<MacroItem> items;
        for (int i = 0; i < 200; ++i) {
            items.push_back(Item(kItemPause, 10, " -   10 ms", i + 1));
        }
        id = SeedMacro(store, "Full", items);
    });
    ASSERT_EQ(rig.page->itemList->GetCount(), 200);
    rig.host.Click(kInsert);
    rig.Menu(kMsgInsertMenu, kMenuPause);
    ASSERT_EQ(rig.host.boxes.size(), 2u);
    for (const auto& box : rig.host.boxes) {
        EXPECT_EQ(box.titleId, 368);
        EXPECT_EQ(box.textId, 386);
    }
    EXPECT_EQ(rig.page->itemList->GetCount(), 200);
    EXPECT_EQ(rig.Stored(id).size(), 200u);
}

TEST(MacroPage, ItemMenuAndButtonsMoveTheSelectedItem) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) {
        id = SeedMacro(store, "Order",
                       {Item(kItemPause, 1, "a", 1), Item(kItemPause, 2, "b", 2),
                        Item(kItemPause, 3, "c", 3)});
    });
    test::Click(*rig.page->itemList, 60, 2 * 32 + 16);
    rig.Menu(kMsgItemMenu, kMenuTop);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"c", "a", "b"}));
    rig.host.Click(kMoveDown);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"a", "c", "b"}));
    rig.Menu(kMsgItemMenu, kMenuBottom);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"a", "b", "c"}));
    rig.host.Click(kMoveUp);
    EXPECT_EQ(rig.page->itemList->GetCurSel(), 1);
    const std::vector<MacroItem> stored = rig.Stored(id);
    EXPECT_EQ(stored[1].desc, "c");
    EXPECT_EQ(stored[1].record_index, 1);
    rig.host.Click(kDeleteItem);
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"a", "b"}));
}

TEST(MacroPage, RecordingLocksThePageAndStoresWhatReachedTheWindow) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) { id = SeedMacro(store, "Rec", {}, 2, 10); });
    rig.host.Click(kRecord);
    ASSERT_TRUE(rig.page->IsRecording());
    EXPECT_EQ(rig.page->recordButton->GetTitle(), GetText(359));
    EXPECT_EQ(rig.page->recordButton->GetIcon(), "icon\\icon_stop_rec.png");
    EXPECT_FALSE(rig.host.tabsEnabled);
    for (int control : {kMacroList, kItemList, kNewMacro, kImport, kInsert, kPauseNone, kPauseField,
                        kCountField, kKindBox}) {
        EXPECT_FALSE(rig.host.Dialog().GetControl(control)->IsEnabled()) << control;
    }
    EXPECT_TRUE(rig.page->recordButton->IsEnabled());
    rig.host.Click(kNewMacro);
    std::vector<MacroHeader> macros;
    EXPECT_EQ(rig.host.store.LoadMacros(macros), 1) << "the page ignores its controls";

    rig.Key(QEvent::KeyPress, kKeycodeA, kKeysymA);
    rig.Key(QEvent::KeyPress, kKeycodeA, kKeysymA, true);
    rig.Key(QEvent::KeyRelease, kKeycodeA, kKeysymA, true);
    rig.Key(QEvent::KeyPress, kKeycodeA, kKeysymA, true);
    rig.Key(QEvent::KeyRelease, kKeycodeA, kKeysymA);
    EXPECT_EQ(rig.ItemTexts(),
              (std::vector<std::string>{" -   10 ms", "↓  A", " -   10 ms", "↑  A"}));

    rig.host.Click(kRecord);
    EXPECT_FALSE(rig.page->IsRecording());
    EXPECT_TRUE(rig.host.tabsEnabled);
    EXPECT_TRUE(rig.host.Dialog().GetControl(kInsert)->IsEnabled());
    EXPECT_TRUE(rig.page->choices.pauseField->IsEnabled()) << "the fixed pause is still chosen";
    EXPECT_FALSE(rig.host.Dialog().GetControl(kCountField)->IsEnabled() &&
                 !rig.page->choices.loopChoice[2]->GetCheck());
    EXPECT_EQ(rig.page->recordButton->GetTitle(), GetText(358));
    const std::vector<MacroItem> stored = rig.Stored(id);
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[1].value, 0x41);
    EXPECT_LT(stored[0].delay_time, stored[1].delay_time);
    rig.Key(QEvent::KeyPress, kKeycodeA, kKeysymA);
    EXPECT_EQ(rig.page->itemList->GetCount(), 4) << "nothing is read after the recording";
}

TEST(MacroPage, NewRenameCopyAndDeleteKeepTheListAndTheDatabaseAlike) {
    MacroPageRig rig;
    rig.host.Click(kNewMacro);
    rig.host.Click(kNewMacro);
    ASSERT_EQ(rig.page->macroList->GetCount(), 2);
    EXPECT_EQ(rig.page->macroList->GetItemText(1), GetText(351) + " 2");
    EXPECT_EQ(rig.page->macroList->GetCurSel(), 1);
    const int second = rig.page->macroList->GetItemData(1);

    rig.page->macroList->SetItemText(1, "Burst");
    rig.host.Send(kMacroList, kEventEditDone, 1);
    rig.page->macroList->SetItemText(0, "");
    rig.host.Send(kMacroList, kEventEditDone, 0);
    EXPECT_EQ(rig.page->macroList->GetItemText(0), GetText(351) + " 1") << "empty: name kept";
    MacroHeader header;
    ASSERT_TRUE(rig.host.store.GetMacro(second, header));
    EXPECT_EQ(header.name, "Burst");

    rig.Menu(kMsgInsertMenu, kMenuKeyPair);
    rig.Menu(kMsgMacroMenu, kMenuCopy);
    ASSERT_EQ(rig.page->macroList->GetCount(), 3);
    EXPECT_EQ(rig.page->macroList->GetItemText(2), "Burst " + GetText(31));
    EXPECT_EQ(rig.page->macroList->GetCurSel(), 1) << "the copy is not selected";
    EXPECT_EQ(rig.Stored(rig.page->macroList->GetItemData(2)).size(), 2u);

    rig.Menu(kMsgMacroMenu, kMenuDelete);
    EXPECT_EQ(rig.page->macroList->GetCount(), 2);
    EXPECT_EQ(rig.page->macroList->GetCurSel(), 0);
    EXPECT_EQ(rig.page->itemList->GetCount(), 0);
    EXPECT_FALSE(rig.host.store.GetMacro(second, header));
}

TEST(MacroPage, MacroFilesGoOutAndComeBackAndARefusedFileSaysWhy) {
    test::TempDir folder;
    MacroPageRig rig([](SettingsStore& store) { SeedMacro(store, "Trip", KeyPair(4), 2, 30); });
    rig.chooser->exportFolder = folder.path();
    rig.host.Click(kExport);
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        files.push_back(entry.path());
    }
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(files[0].filename().string().starts_with("Trip-"));

    rig.chooser->importFile = files[0].string();
    rig.host.Click(kImport);
    ASSERT_EQ(rig.page->macroList->GetCount(), 2);
    EXPECT_EQ(rig.page->macroList->GetItemText(1), "Trip");
    EXPECT_EQ(rig.Stored(rig.page->macroList->GetItemData(1)).size(), 2u);
    EXPECT_TRUE(rig.host.boxes.empty());
    EXPECT_TRUE(rig.host.textBoxes.empty());

    const std::string bad = folder.path() + "/profile.xml";
    std::ofstream(bad) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<profile/>\r\n";
    rig.chooser->importFile = bad;
    rig.host.Click(kImport);
    ASSERT_EQ(rig.host.textBoxes.size(), 1u);
    EXPECT_NE(rig.host.textBoxes[0].text.find(GetText(417)), std::string::npos);
    EXPECT_NE(rig.host.textBoxes[0].text.find("<macro>"), std::string::npos)
        << rig.host.textBoxes[0].text;
    std::vector<MacroHeader> macros;
    EXPECT_EQ(rig.host.store.LoadMacros(macros), 2) << "nothing stored";
    EXPECT_EQ(rig.page->macroList->GetCount(), 2);

    rig.chooser->importFile.clear();
    rig.host.Click(kImport);
    EXPECT_EQ(rig.host.textBoxes.size(), 1u) << "a cancelled dialog does nothing";
}

TEST(MacroPage, PopupMenusPostTheChoiceThatThePageCarriesOut) {
    int id = 0;
    MacroPageRig rig([&id](SettingsStore& store) { id = SeedMacro(store, "Menus", {}); });
    test::Click(*rig.host.Dialog().GetControl(kInsert));
    ASSERT_TRUE(test::ChoosePopupItem(1)) << "the key pair, second in the menu";
    ASSERT_TRUE(test::WaitUntil([&rig] { return rig.page->itemList->GetCount() == 2; }));
    EXPECT_EQ(rig.ItemTexts(), (std::vector<std::string>{"↓  A", "↑  A"}));

    test::RightClick(*rig.page->itemList, 60, 32 + 16);
    ASSERT_TRUE(test::ChoosePopupItem(0)) << "to the top";
    ASSERT_TRUE(test::WaitUntil([&rig] { return rig.ItemTexts().front() == "↑  A"; }));
    EXPECT_EQ(rig.Stored(id).front().desc, "↑  A");

    test::RightClick(*rig.page->macroList, 60, 16);
    ASSERT_TRUE(test::ChoosePopupItem(0)) << "copy";
    ASSERT_TRUE(test::WaitUntil([&rig] { return rig.page->macroList->GetCount() == 2; }));
    EXPECT_EQ(rig.page->macroList->GetItemText(1), "Menus " + GetText(31));
}

// Environment variables of one test, put back afterwards.
class ScopedEnvironment {
  public:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr, old != nullptr ? old : ""});
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->had) {
                setenv(it->name.c_str(), it->value.c_str(), 1);
            } else {
                unsetenv(it->name.c_str());
            }
        }
    }

  private:
    struct Saved {
        std::string name;
        bool had;
        std::string value;
    };
    std::vector<Saved> saved_;
};

TEST(MacroPage, UnderWaylandThePageSaysOnceWhatIsMissingAndRecordsItsOwnWindow) {
    ScopedEnvironment environment;
    environment.Set("WAYLAND_DISPLAY", "wayland-0");
    environment.Set("DISPLAY", nullptr);
    SetCurrentLanguageId(1033);
    test::PageTestHost host;
    host.deliverPosted = true;
    int id = SeedMacro(host.store, "Here", {}, 0);
    auto& page = static_cast<MacroPage&>(host.Install(std::make_unique<MacroPage>(host)));
    host.Dialog().ShowWindow(kSwShow);
    EXPECT_EQ(host.messageLine, GetText(416));
    EXPECT_FALSE(host.messageLine.empty());
    host.messageLine.clear();

    host.Click(kRecord);
    ASSERT_TRUE(page.IsRecording());
    EXPECT_TRUE(host.messageLine.empty()) << "said once only";
    // A click on the page's heading, through the window as the compositor delivers it.
    const MRect heading = host.Dialog().GetControl(kMacroHeading)->GetRect();
    QTest::mouseClick(host.Dialog().View()->windowHandle(), Qt::LeftButton, {},
                      QPoint(heading.left + 5, heading.top + 5));
    test::ProcessEvents();
    host.Click(kRecord);
    std::vector<MacroItem> items;
    host.store.LoadMacroItems(id, items);
    ASSERT_EQ(items.size(), 2u) << "a click inside the window is recorded";
    EXPECT_EQ(items[0].desc, "↓  LB");
    EXPECT_EQ(items[1].desc, "↑  LB");
}

}  // namespace
}  // namespace quillon
