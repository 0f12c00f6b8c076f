#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "SqlHelpers.h"
#include "StoreFixture.h"

namespace quillon::test {
namespace {

MacroItem Step(int macro, int index, int value) {
    MacroItem item;
    item.macro_id = macro;
    item.type = 1;
    item.record_index = index;
    item.value = value;
    item.delay_time = 10 * index;
    item.desc = "key " + std::to_string(value);
    return item;
}

using MacrosTest = StoreFixture;

TEST_F(MacrosTest, AddMacroPlaysOnceWithADefaultDelay) {
    int id = store.AddMacro("Macro \xE2\x98\x85");
    ASSERT_EQ(id, 1);
    MacroHeader macro;
    ASSERT_TRUE(store.GetMacro(id, macro));
    EXPECT_EQ(macro.macro_id, id);
    EXPECT_EQ(macro.name, "Macro \xE2\x98\x85");
    EXPECT_EQ(macro.play_type, 0);
    EXPECT_EQ(macro.play_times, 1);
    EXPECT_EQ(macro.delay_type, 1);
    EXPECT_EQ(macro.delay_time, 0);
}

TEST_F(MacrosTest, InsertUpdateRenameAndLoad) {
    MacroHeader macro;
    macro.macro_id = 99;  // ignored: the database picks the id
    macro.name = "first";
    macro.play_type = 2;
    macro.play_times = 5;
    macro.delay_type = 0;
    macro.delay_time = 30;
    int first = store.InsertMacro(macro);
    int second = store.AddMacro("second");
    ASSERT_EQ(first, 1);
    ASSERT_EQ(second, 2);

    macro.name = "changed";
    macro.play_times = 7;
    macro.macro_id = second;  // not used by the update: the id argument is
    ASSERT_TRUE(store.UpdateMacro(first, macro));
    ASSERT_TRUE(store.SetMacroName(second, "renamed"));

    std::vector<MacroHeader> list(1);
    ASSERT_EQ(store.LoadMacros(list), 2);
    EXPECT_EQ(list[0].macro_id, first);
    EXPECT_EQ(list[0].name, "changed");
    EXPECT_EQ(list[0].play_type, 2);
    EXPECT_EQ(list[0].play_times, 7);
    EXPECT_EQ(list[0].delay_time, 30);
    EXPECT_EQ(list[1].name, "renamed");
    EXPECT_EQ(list[1].play_times, 1);

    MacroHeader missing;
    missing.name = "keep";
    EXPECT_FALSE(store.GetMacro(42, missing));
    EXPECT_EQ(missing.name, "keep");
}

TEST_F(MacrosTest, StepsComeBackSortedByIndexWhateverTheInsertOrder) {
    int macro = store.AddMacro("m");
    std::vector<MacroItem> items = {Step(macro, 2, 30), Step(macro, 0, 10), Step(macro, 1, 20)};
    store.InsertMacroItems(items);
    EXPECT_TRUE(items.empty());
    ASSERT_NE(store.InsertMacroItem(Step(macro + 1, 0, 99)), 0);  // another macro's step

    std::vector<MacroItem> loaded;
    ASSERT_EQ(store.LoadMacroItems(macro, loaded), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded[i].record_index, i);
        EXPECT_EQ(loaded[i].value, 10 * (i + 1));
        EXPECT_EQ(loaded[i].macro_id, macro);
        EXPECT_EQ(loaded[i].type, 1);
        EXPECT_EQ(loaded[i].delay_time, 10 * i);
        EXPECT_EQ(loaded[i].desc, "key " + std::to_string(10 * (i + 1)));
    }
    // record ids follow the insert order, not the index.
    EXPECT_EQ(loaded[0].record_id, 2);
    EXPECT_EQ(loaded[2].record_id, 1);
}

TEST_F(MacrosTest, BulkInsertIsOneTransactionAndKeepsGoingAfterAFailedRow) {
    int macro = store.AddMacro("m");
    // A trigger makes one row fail; the rows around it are still committed.
    QuerySql(DbPath(),
             "CREATE TRIGGER refuse BEFORE INSERT ON t_macrorecord WHEN NEW.value = 13 BEGIN "
             "SELECT RAISE(ABORT, 'no'); END");
    std::vector<MacroItem> items;
    for (int i = 0; i < 20; ++i) {
        items.push_back(Step(macro, i, i));
    }
    store.InsertMacroItems(items);
    std::vector<MacroItem> loaded;
    EXPECT_EQ(store.LoadMacroItems(macro, loaded), 19);
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_macrorecord WHERE value = 13"),
              std::vector<std::string>{"0"});
}

TEST_F(MacrosTest, AnotherConnectionSeesTheBulkInsertWholeOrNotAtAll) {
    const int macro = store.AddMacro("m");
    // Each insert takes a while, so that a reader polling beside it would see rows committed one
    // by one.
    QuerySql(DbPath(),
             "CREATE TRIGGER slow AFTER INSERT ON t_macrorecord BEGIN SELECT count(*) FROM (WITH "
             "RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n LIMIT 30000) SELECT x "
             "FROM n); END");
    std::vector<MacroItem> items;
    for (int i = 0; i < 20; ++i) {
        items.push_back(Step(macro, i, i));
    }
    std::atomic<bool> done = false;
    std::set<std::string> seen;
    std::thread reader([&] {
        while (!done) {
            seen.insert(QueryColumn(DbPath(), "SELECT count(*) FROM t_macrorecord").front());
        }
    });
    EXPECT_TRUE(store.InsertMacroItems(items));
    done = true;
    reader.join();
    seen.insert(QueryColumn(DbPath(), "SELECT count(*) FROM t_macrorecord").front());
    EXPECT_EQ(seen, (std::set<std::string>{"0", "20"}));
}

TEST_F(MacrosTest, RemovingAMacroRemovesItsStepsButNotTheOtherWayRound) {
    int kept = store.AddMacro("kept");
    int removed = store.AddMacro("removed");
    for (int macro : {kept, removed}) {
        std::vector<MacroItem> items = {Step(macro, 0, 1), Step(macro, 1, 2)};
        store.InsertMacroItems(items);
    }
    EXPECT_TRUE(store.RemoveMacro(removed));
    std::vector<MacroItem> loaded;
    EXPECT_EQ(store.LoadMacroItems(removed, loaded), 0);
    EXPECT_EQ(store.LoadMacroItems(kept, loaded), 2);

    EXPECT_TRUE(store.DeleteMacroItems(kept));
    EXPECT_EQ(store.LoadMacroItems(kept, loaded), 0);
    MacroHeader macro;
    EXPECT_TRUE(store.GetMacro(kept, macro));
}

TEST_F(MacrosTest, StepsStayWhenTheMacroCannotBeDeleted) {
    int macro = store.AddMacro("m");
    ASSERT_NE(store.InsertMacroItem(Step(macro, 0, 1)), 0);
    QuerySql(DbPath(),
             "CREATE TRIGGER keep BEFORE DELETE ON t_macro_data BEGIN SELECT RAISE(ABORT, "
             "'no'); END");
    EXPECT_FALSE(store.RemoveMacro(macro));
    std::vector<MacroItem> loaded;
    EXPECT_EQ(store.LoadMacroItems(macro, loaded), 1);
}

TEST_F(MacrosTest, AllStepsComeBackSortedByMacroThenIndex) {
    std::vector<MacroItem> steps = {Step(2, 1, 21), Step(1, 2, 12), Step(2, 0, 20),
                                    Step(1, 0, 10), Step(1, 1, 11), Step(1, 1, 99)};
    store.InsertMacroItems(steps);
    std::vector<MacroItem> loaded;
    ASSERT_EQ(store.LoadAllMacroItems(loaded), 6);
    std::vector<int> values;
    for (const MacroItem& item : loaded) {
        values.push_back(item.value);
    }
    EXPECT_EQ(values, (std::vector<int>{10, 11, 99, 12, 20, 21}))
        << "equal indexes keep their insert order";
    EXPECT_EQ(loaded[0].desc, "key 10");
    EXPECT_EQ(loaded[5].macro_id, 2);
}

}  // namespace
}  // namespace quillon::test
