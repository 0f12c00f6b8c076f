#include "input/MacroSteps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/MacroItemList.h"
#include "input/MacroItems.h"
#include "input/NamedKeys.h"

namespace quillon {
namespace {

struct Shape {
    int type;
    int value;
    std::string desc;
    bool operator==(const Shape&) const = default;
};

std::vector<Shape> Shapes(const std::vector<MacroItem>& items) {
    std::vector<Shape> shapes;
    for (const MacroItem& item : items) {
        shapes.push_back({item.type, item.value, item.desc});
    }
    return shapes;
}

std::vector<MacroItem> Parsed(const std::vector<std::string>& steps) {
    std::vector<MacroItem> items;
    std::string reason;
    EXPECT_TRUE(ParseMacroSteps(steps, 100, items, reason)) << reason;
    return items;
}

// "+A t50 -A +LB -LB" is what the item editor makes of a key pair with a 50 ms pause put in
// front of its release, then a click pair at the end.
TEST(MacroStepsTest, StepsMakeTheItemsOfTheItemEditor) {
    MacroItemList editor;
    editor.Insert(MacroItemList::Insertion::KeyPair, 1);
    editor.Select(1);
    editor.Insert(MacroItemList::Insertion::Pause, 2);
    editor.Select(1);
    editor.ChangePause(50);
    editor.Select(-1);
    editor.Insert(MacroItemList::Insertion::ClickPair, 3);
    // A second click pair turned into a wheel step; a move changed to 3 left, 2 up.
    editor.Insert(MacroItemList::Insertion::ClickPair, 4);
    editor.Select(5);
    editor.ChangeMouseButton(7);
    editor.Select(-1);
    editor.Insert(MacroItemList::Insertion::Move, 5);
    editor.Select(7);
    editor.ChangeMove({true, 3, true, 2});

    const std::vector<MacroItem> items =
        Parsed({"+A", "t50", "-A", "+LB", "-LB", "scroll-up", "move", "-3", "-2"});
    EXPECT_EQ(Shapes(items), Shapes(editor.Items()));
    // One stamp per step, shared by the items of one step.
    std::vector<int> stamps;
    for (const MacroItem& item : items) {
        stamps.push_back(item.delay_time);
    }
    EXPECT_EQ(stamps, (std::vector<int>{100, 101, 102, 103, 104, 105, 105, 106}));
}

TEST(MacroStepsTest, KeysGoByTheNamesTheEditorsShow) {
    EXPECT_EQ(Shapes(Parsed({"+lctrl", "+page up", "-F12", "+Num 5", "-RB"})),
              (std::vector<Shape>{{kItemKeyDown, 0xA2, "↓  LCtrl"},
                                  {kItemKeyDown, 0x21, "↓  Page Up"},
                                  {kItemKeyUp, 0x7B, "↑  F12"},
                                  {kItemKeyDown, 0x65, "↓  Num 5"},
                                  {kItemMouseUp, kMouseRight, "↑  RB"}}));
    for (const CapturedKey& key : NamedKeys()) {
        EXPECT_EQ(KeyOfName(key.name)->code, key.code) << key.name << " names one key";
    }
}

TEST(MacroStepsTest, BadStepsAndTooManyItemsAreRefusedNamingTheStep) {
    struct Case {
        std::vector<std::string> steps;
        const char* says;
    };
    const std::vector<Case> cases = {
        {{"+A", "+NoSuchKey"}, "step 2 '+NoSuchKey'"},
        {{"t0"}, "step 1 't0'"},
        {{"t15001"}, "step 1 't15001'"},
        {{"move", "128", "0"}, "step 1 'move' needs"},
        {{"move", "1"}, "step 1 'move' needs"},
        {{"scroll-left"}, "step 1 'scroll-left'"},
        {std::vector<std::string>(201, "t5"), "at most 200 items; step 201 makes 201"},
        {std::vector<std::string>(101, "scroll-up"), "step 101 makes 202"},
    };
    for (const Case& c : cases) {
        std::vector<MacroItem> items = {MacroItem{}};
        std::string reason;
        EXPECT_FALSE(ParseMacroSteps(c.steps, 1, items, reason)) << c.says;
        EXPECT_NE(reason.find(c.says), std::string::npos) << reason;
        EXPECT_EQ(items.size(), 1u) << "untouched";
    }
    EXPECT_EQ(Parsed(std::vector<std::string>(200, "t15000")).size(), 200u);
}

}  // namespace
}  // namespace quillon
