#include <gtest/gtest.h>

#include "input/MacroItems.h"
#include "platform/x11/X11EventThread.h"
#include "platform/x11/X11InputSource.h"
#include "ui/MacroPageRig.h"
#include "ui/pages/DesktopInputSource.h"
#include "ui/toolkit/CIconButton.h"
#include "x11/XTestInput.h"

namespace quillon {
namespace {

using namespace macro_ids;
using test::Item;
using test::SeedMacro;

constexpr int kA = 38;
constexpr int kB = 56;

// The macro page recording the X desktop while another program has the keyboard focus.
class X11RecorderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!X11InputAvailable()) {
            GTEST_SKIP() << "no X server with XInput 2 and XTest";
        }
        ASSERT_TRUE(input.Connected());
        ASSERT_TRUE(focus.Shown());
    }

    // The page over a macro of `existing` pauses, with the pause choice given.
    void Build(int delayType, int existing = 0) {
        rig = std::make_unique<test::MacroPageRig>(
            [this, delayType, existing](SettingsStore& store) {
                std::vector<MacroItem> items;
                for (int i = 0; i < existing; ++i) {
                    items.push_back(Item(kItemPause, 10, PauseItemText(10), i + 1));
                }
                macroId = SeedMacro(store, "Desk", items, delayType, delayType == 2 ? 10 : 0);
            },
            std::make_unique<X11InputSource>());
        focus.Focus();
        test::ProcessEvents();
    }

    void StartRecording() {
        rig->host.Click(kRecord);
        ASSERT_TRUE(rig->page->IsRecording());
        ASSERT_TRUE(focus.HasFocus()) << "the other program keeps the focus";
    }

    // Waits for the list to hold `count` items, then a little more for anything extra.
    std::vector<std::string> ItemsOnceThere(int count) {
        test::WaitUntil([this, count] { return rig->page->itemList->GetCount() >= count; });
        Settle();
        return rig->ItemTexts();
    }

    void Settle() {
        test::WaitUntil([] { return false; }, 250);
    }

    void Tap(int keycode) {
        input.Key(keycode, true);
        input.Key(keycode, false);
    }

    test::XTestInput input;
    test::FocusWindow focus;
    std::unique_ptr<test::MacroPageRig> rig;
    int macroId = 0;
};

TEST_F(X11RecorderTest, AKeyPressedInAnotherProgramRecordsFourItemsWithTheFixedPause) {
    Build(2);
    StartRecording();
    Tap(kA);
    EXPECT_EQ(ItemsOnceThere(4),
              (std::vector<std::string>{" -   10 ms", "↓  A", " -   10 ms", "↑  A"}));
    EXPECT_EQ(focus.Typed(), U"a") << "the key reached the program with the focus";
    rig->host.Click(kRecord);
    const std::vector<MacroItem> stored = rig->Stored(macroId);
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[1].type, kItemKeyDown);
    EXPECT_EQ(stored[1].value, 0x41);
    EXPECT_EQ(stored[3].type, kItemKeyUp);
}

TEST_F(X11RecorderTest, AHeldKeyRecordsOnePressAndOneRelease) {
    Build(0);
    StartRecording();
    input.Key(kA, true);
    input.Pause(700);  // long enough for the server's own repeat
    for (int i = 0; i < 5; ++i) {
        input.Key(kA, true);  // and the repeats a keyboard sends
    }
    input.Key(kA, false);
    EXPECT_EQ(ItemsOnceThere(2), (std::vector<std::string>{"↓  A", "↑  A"}));
}

TEST_F(X11RecorderTest, MeasuredPausesFollowTheTimeBetweenEvents) {
    Build(1);
    StartRecording();
    input.Key(kA, true);
    input.Pause(120);
    input.Key(kA, false);
    input.Pause(300);
    input.Key(kB, true);
    input.Key(kB, false);
    test::WaitUntil([this] { return rig->page->itemList->GetCount() >= 6; });
    Settle();
    const std::vector<std::string> texts = rig->ItemTexts();
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(texts[0], "↓  A") << "no pause before the first event";
    const ListItem first = rig->page->itemList->GetItem(1);
    const ListItem second = rig->page->itemList->GetItem(3);
    EXPECT_EQ(first.type, kItemPause);
    // The server stamps an event when it takes it: never early, a little late on a busy machine.
    EXPECT_GE(first.value, 119);
    EXPECT_LE(first.value, 145);
    EXPECT_EQ(texts[2], "↑  A");
    EXPECT_EQ(second.type, kItemPause);
    EXPECT_GE(second.value, 299);
    EXPECT_LE(second.value, 325);
    EXPECT_EQ(texts[4], "↓  B");
    EXPECT_EQ(texts.back(), "↑  B");
}

TEST_F(X11RecorderTest, SidedKeysAndTheKeypadRecordTheirOwnCodesAndNames) {
    struct Case {
        int keycode;
        int code;
        const char* name;
    };
    const Case cases[] = {{37, 0xA2, "LCtrl"},  {105, 0xA3, "RCtrl"}, {50, 0xA0, "LShift"},
                          {62, 0xA1, "RShift"}, {64, 0xA4, "LAlt"},   {108, 0xA5, "RAlt"},
                          {133, 0x5B, "LWin"},  {134, 0x5C, "RWin"},  {104, 0x6C, "REnter"},
                          {36, 0x0D, "Enter"},  {87, 0x61, "Num 1"},  {20, 0xBD, "-"}};
    Build(0);
    StartRecording();
    for (const Case& c : cases) {
        Tap(c.keycode);
    }
    const int count = 2 * static_cast<int>(std::size(cases));
    ASSERT_EQ(ItemsOnceThere(count).size(), static_cast<size_t>(count));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const ListItem down = rig->page->itemList->GetItem(static_cast<int>(2 * i));
        const ListItem up = rig->page->itemList->GetItem(static_cast<int>(2 * i + 1));
        EXPECT_EQ(down.value, cases[i].code) << cases[i].keycode;
        EXPECT_EQ(down.text, std::string("↓  ") + cases[i].name) << cases[i].keycode;
        EXPECT_EQ(up.type, kItemKeyUp) << cases[i].keycode;
        EXPECT_EQ(up.value, cases[i].code) << cases[i].keycode;
    }
}

TEST_F(X11RecorderTest, ClicksRecordTheirButtonsAndTheWheelAndMotionNothing) {
    Build(0);
    StartRecording();
    input.MoveTo(1300, 800);
    for (int button : {1, 3, 2, 8, 9}) {
        input.Button(button, true);
        input.Button(button, false);
    }
    for (int wheel : {4, 5, 6, 7}) {
        input.Button(wheel, true);
        input.Button(wheel, false);
    }
    input.MoveTo(1250, 850);
    input.MoveTo(20, 40);
    EXPECT_EQ(ItemsOnceThere(10),
              (std::vector<std::string>{"↓  LB", "↑  LB", "↓  RB", "↑  RB", "↓  MB", "↑  MB",
                                        "↓  Backward", "↑  Backward", "↓  Forward", "↑  Forward"}));
    EXPECT_EQ(rig->page->itemList->GetItem(2).value, kMouseRight);
    EXPECT_EQ(rig->page->itemList->GetItem(2).type, kItemMouseDown);
    EXPECT_EQ(rig->page->itemList->GetItem(9).value, kMouseForward);
}

TEST_F(X11RecorderTest, TheClickOnTheStopButtonEndsTheRecordingUnrecorded) {
    Build(2);
    StartRecording();
    const MRect button = rig->page->recordButton->GetRect();
    int x = button.left + button.Width() / 2;
    int y = button.top + button.Height() / 2;
    rig->host.Dialog().ClientToScreen(x, y);
    input.MoveTo(x, y);
    test::ProcessEvents();
    input.Button(1, true);
    input.Button(1, false);
    ASSERT_TRUE(test::WaitUntil([this] { return !rig->page->IsRecording(); }));
    Settle();
    EXPECT_EQ(rig->page->itemList->GetCount(), 0);
    EXPECT_TRUE(rig->Stored(macroId).empty());
    EXPECT_EQ(rig->page->recordButton->GetIcon(), "icon\\icon_rec.png");
}

TEST_F(X11RecorderTest, TheTwoHundredthItemEndsTheRecordingBeforeItsEvent) {
    Build(2, 197);
    StartRecording();
    input.Key(kA, true);
    ASSERT_TRUE(test::WaitUntil([this] { return rig->page->itemList->GetCount() == 199; }));
    EXPECT_TRUE(rig->page->IsRecording());
    input.Key(kA, false);
    ASSERT_TRUE(test::WaitUntil([this] { return !rig->page->IsRecording(); }));
    Tap(kB);
    Settle();
    const std::vector<MacroItem> stored = rig->Stored(macroId);
    ASSERT_EQ(stored.size(), 200u);
    EXPECT_EQ(stored[198].desc, "↓  A");
    EXPECT_EQ(stored[199].type, kItemPause) << "the pause filled the list; its release is dropped";
    EXPECT_TRUE(rig->host.tabsEnabled);
}

TEST_F(X11RecorderTest, TheDesktopSourceOfAnXSessionSeesEveryProgram) {
    EXPECT_TRUE(MakeDesktopInputSource()->SeesOtherPrograms());
    Build(0);
    EXPECT_TRUE(rig->host.messageLine.empty()) << "nothing to tell on X11";
}

}  // namespace
}  // namespace quillon
