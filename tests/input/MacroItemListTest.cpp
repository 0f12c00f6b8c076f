#include <gtest/gtest.h>

#include "input/FunctionCatalogue.h"
#include "input/MacroItemList.h"

namespace quillon {
namespace {

// A recorded list: items with distinct stamps 1..n, described by their position.
MacroItemList Recorded(int count) {
    std::vector<MacroItem> items;
    for (int i = 0; i < count; ++i) {
        MacroItem item;
        item.type = kItemKeyDown;
        item.value = 0x41 + i;
        item.desc = "item" + std::to_string(i);
        item.delay_time = i + 1;
        items.push_back(item);
    }
    return MacroItemList(items);
}

std::vector<std::string> Texts(const MacroItemList& list) {
    std::vector<std::string> texts;
    for (const MacroItem& item : list.Items()) {
        texts.push_back(item.desc);
    }
    return texts;
}

TEST(MacroItemList, InsertedItemsAndWhereTheyGo) {
    MacroItemList list = Recorded(5);
    ASSERT_TRUE(list.Insert(MacroItemList::Insertion::KeyPair, 900));
    EXPECT_EQ(Texts(list).at(5), "↓  A") << "no selection: at the end";
    EXPECT_EQ(Texts(list).at(6), "↑  A");
    EXPECT_EQ(list.Items()[5].type, kItemKeyDown);
    EXPECT_EQ(list.Items()[6].type, kItemKeyUp);
    EXPECT_EQ(list.Items()[5].value, 0x41);
    EXPECT_EQ(list.Items()[6].delay_time, 900);

    list.Select(3);
    ASSERT_TRUE(list.Insert(MacroItemList::Insertion::ClickPair, 901));
    EXPECT_EQ(Texts(list).at(4), "↓  LB") << "a pair goes after the selected item";
    EXPECT_EQ(Texts(list).at(5), "↑  LB");
    EXPECT_EQ(list.Items()[4].type, kItemMouseDown);
    EXPECT_EQ(list.Items()[5].value, 1);
    EXPECT_EQ(list.Selection(), 3);

    ASSERT_TRUE(list.Insert(MacroItemList::Insertion::Pause, 902));
    EXPECT_EQ(Texts(list).at(3), " -   10 ms") << "a single item goes in front of the selection";
    EXPECT_EQ(list.Items()[3].type, kItemPause);
    EXPECT_EQ(list.Items()[3].value, 10);
    EXPECT_EQ(list.Selection(), 4) << "the selection stays on its item";
    EXPECT_EQ(Texts(list).at(4), "item3");

    list.Select(0);
    ASSERT_TRUE(list.Insert(MacroItemList::Insertion::Move, 903));
    EXPECT_EQ(Texts(list).at(0), "→  1, ↓  1");
    EXPECT_EQ(list.Items()[0].type, kItemMoveXY);
    EXPECT_EQ(list.Items()[0].value, 0x101);
    EXPECT_EQ(list.Size(), 11);
}

TEST(MacroItemList, InsertIsRefusedAtTwoHundredItemsEvenForOne) {
    MacroItemList list = Recorded(199);
    EXPECT_TRUE(list.Insert(MacroItemList::Insertion::KeyPair, 1));
    EXPECT_EQ(list.Size(), 201) << "a pair may take the list past 200";
    EXPECT_TRUE(list.IsFull());
    EXPECT_FALSE(list.Insert(MacroItemList::Insertion::Pause, 2));
    EXPECT_EQ(list.Size(), 201);
}

TEST(MacroItemList, DeleteRemovesEveryItemOfTheSelectedStamp) {
    MacroItemList list = Recorded(3);
    list.Insert(MacroItemList::Insertion::KeyPair, 77);
    list.Select(4);  // the key-up half of the pair
    list.DeleteSelected();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "item1", "item2"}));
    EXPECT_EQ(list.Selection(), -1);

    list.Select(1);
    list.DeleteSelected();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "item2"}))
        << "recorded items go alone";
    list.DeleteSelected();
    EXPECT_EQ(list.Size(), 2) << "nothing selected, nothing deleted";
}

TEST(MacroItemList, MovesKeepTheSelectionOnTheMovedItem) {
    MacroItemList list = Recorded(4);
    list.Select(2);
    list.MoveUp();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "item2", "item1", "item3"}));
    EXPECT_EQ(list.Selection(), 1);
    list.MoveToBottom();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "item1", "item3", "item2"}));
    EXPECT_EQ(list.Selection(), 3);
    list.MoveDown();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "item1", "item3", "item2"}))
        << "the last item does not move down";
    list.MoveToTop();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item2", "item0", "item1", "item3"}));
    EXPECT_EQ(list.Selection(), 0);
    list.MoveUp();
    list.MoveToTop();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item2", "item0", "item1", "item3"}));
    list.MoveDown();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "item2", "item1", "item3"}));

    list.Select(-1);
    list.MoveToBottom();
    list.MoveDown();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "item2", "item1", "item3"}));
}

TEST(MacroItemList, ChangingAKeyChangesBothItemsOfThePair) {
    MacroItemList list = Recorded(1);
    list.Insert(MacroItemList::Insertion::KeyPair, 50);
    list.Select(2);
    list.ChangeKey({0xA3, "RCtrl"});
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "↓  RCtrl", "↑  RCtrl"}));
    EXPECT_EQ(list.Items()[1].value, 0xA3);
    EXPECT_EQ(list.Items()[2].value, 0xA3);

    list.ChangeKey({});
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"item0", "↓  ", "↑  "}))
        << "no key pressed: the bare arrows";
    EXPECT_EQ(list.Items()[1].value, 0);
}

TEST(MacroItemList, ChangingAMouseButtonAndTheWheelWords) {
    MacroItemList list;
    list.Insert(MacroItemList::Insertion::ClickPair, 60);
    list.Select(0);
    struct Case {
        int functionType;
        const char* down;
        const char* up;
        int downValue;
        int upValue;
    };
    const Case cases[] = {
        {kFnRightClick, "↓  RB", "↑  RB", 2, 2},
        {kFnMiddleClick, "↓  MB", "↑  MB", 4, 4},
        {kFnForward, "↓  Forward", "↑  Forward", 16, 16},
        {kFnBackward, "↓  Backward", "↑  Backward", 8, 8},
        {kFnWheelUp, "↑  Scroll Up", "↑  Scroll Up", 1, 2},
        {kFnWheelDown, "↓  Scroll Down", "↓  Scroll Down", 1, 2},
        {kFnLeftClick, "↓  LB", "↑  LB", 1, 1},
        {kFnDpiUp, "↓  LB", "↑  LB", 1, 1},  // not a mouse button: unchanged
    };
    for (const Case& c : cases) {
        list.ChangeMouseButton(c.functionType);
        EXPECT_EQ(Texts(list), (std::vector<std::string>{c.down, c.up})) << c.functionType;
        EXPECT_EQ(list.Items()[0].value, c.downValue) << c.functionType;
        EXPECT_EQ(list.Items()[1].value, c.upValue) << c.functionType;
    }
}

TEST(MacroItemList, ChangingAPauseOrAMoveKeepsTypeAndStamp) {
    MacroItemList list;
    list.Insert(MacroItemList::Insertion::Pause, 70);
    list.Insert(MacroItemList::Insertion::Move, 71);
    list.Select(0);
    list.ChangePause(0);
    EXPECT_EQ(list.Items()[0].value, 1) << "a pause of 0 becomes 1";
    EXPECT_EQ(list.Items()[0].desc, " -   1 ms");
    list.ChangePause(20000);
    EXPECT_EQ(list.Items()[0].value, 15000);
    EXPECT_EQ(list.Items()[0].delay_time, 70);
    EXPECT_EQ(list.Items()[0].type, kItemPause);

    list.Select(1);
    list.ChangeMove({.left = true, .x = 5, .up = true, .y = 7});
    EXPECT_EQ(list.Items()[1].value, 0x8785);
    EXPECT_EQ(list.Items()[1].desc, "←  5,↑  7");
    EXPECT_EQ(list.Items()[1].type, kItemMoveXY);
    EXPECT_EQ(list.Items()[1].delay_time, 71);
}

TEST(MacroItems, FieldLimits) {
    EXPECT_EQ(LimitMacroPause(5), 10);
    EXPECT_EQ(LimitMacroPause(15001), 15000);
    EXPECT_EQ(LimitLoopCount(0), 1);
    EXPECT_EQ(LimitLoopCount(300), 255);
    EXPECT_EQ(LimitItemPause(0), 1);
    EXPECT_EQ(LimitItemPause(-4), 1);

    const MoveOnBothAxes wide{.left = false, .x = 200, .up = false, .y = 40};
    const MoveOnBothAxes afterDirection = LimitMoveOnDirection(wide);
    EXPECT_EQ(afterDirection.x, 127);
    EXPECT_EQ(afterDirection.y, 15);
    const MoveOnBothAxes afterDistance = LimitMoveOnDistance(wide);
    EXPECT_EQ(afterDistance.x, 15);
    EXPECT_EQ(afterDistance.y, 15);

    const MoveOnBothAxes read = MoveOnBothAxes::FromValue(0x8785);
    EXPECT_TRUE(read.left);
    EXPECT_EQ(read.x, 5);
    EXPECT_TRUE(read.up);
    EXPECT_EQ(read.y, 7);
}

}  // namespace
}  // namespace quillon
