#include <gtest/gtest.h>

#include "SqlHelpers.h"
#include "StoreFixture.h"

namespace quillon::test {
namespace {

KeyAssignment Assignment(int profile, int keyCode, int value, int value2 = 0) {
    KeyAssignment record;
    record.profile = profile;
    record.key_code = keyCode;
    record.layout_value = 4;
    record.layout_desc = "layout";
    record.macro_type = 2;
    record.macro_value = value;
    record.macro_value2 = value2;
    record.macro_value3 = 6;
    record.macro_desc = "Ctrl+\xC3\x84";
    return record;
}

using KeyAssignmentsTest = StoreFixture;

TEST_F(KeyAssignmentsTest, SavedRecordComesBackFieldForField) {
    KeyAssignment saved = Assignment(2, 5, 17, 3);
    int id = store.SaveKeyAssignment(saved);
    ASSERT_NE(id, 0);
    KeyAssignment read;
    ASSERT_TRUE(store.GetKeyAssignment(2, 5, read));
    saved.key_id = id;
    EXPECT_EQ(read.key_id, saved.key_id);
    EXPECT_EQ(read.profile, 2);
    EXPECT_EQ(read.fn_layer, 0);
    EXPECT_EQ(read.key_code, 5);
    EXPECT_EQ(read.layout_value, 4);
    EXPECT_EQ(read.layout_desc, "layout");
    EXPECT_EQ(read.macro_type, 2);
    EXPECT_EQ(read.macro_value, 17);
    EXPECT_EQ(read.macro_value2, 3);
    EXPECT_EQ(read.macro_value3, 6);
    EXPECT_EQ(read.macro_desc, saved.macro_desc);

    ASSERT_TRUE(store.SetKeyDescription(2, 5, "Mute"));
    ASSERT_TRUE(store.GetKeyAssignment(2, 5, read));
    EXPECT_EQ(read.macro_desc, "Mute");
}

TEST_F(KeyAssignmentsTest, RowExistsOnlyWhileValueOrValue2IsNotZero) {
    struct Case {
        int value;
        int value2;
        bool row;
    };
    for (Case c : {Case{1, 0, true}, Case{0, 1, true}, Case{-1, 0, true}, Case{0, 0, false}}) {
        ASSERT_NE(store.SaveKeyAssignment(Assignment(1, 3, 9)), 0);
        int id = store.SaveKeyAssignment(Assignment(1, 3, c.value, c.value2));
        EXPECT_EQ(id != 0, c.row) << c.value << "/" << c.value2;
        KeyAssignment read;
        read.key_code = 77;
        EXPECT_EQ(store.GetKeyAssignment(1, 3, read), c.row);
        if (!c.row) {
            EXPECT_EQ(read.key_code, 77) << "a failed read leaves the record alone";
        }
    }
}

TEST_F(KeyAssignmentsTest, SavingAgainReplacesTheRowWithANewId) {
    int first = store.SaveKeyAssignment(Assignment(1, 3, 9));
    int second = store.SaveKeyAssignment(Assignment(1, 3, 10));
    EXPECT_GT(second, first);
    EXPECT_EQ(QuerySql(DbPath(), "SELECT key_id, macro_value FROM t_key_macro_data"),
              (SqlRows{{std::to_string(second), "10"}}));
}

TEST_F(KeyAssignmentsTest, OtherLayersAreWrittenButNeverRead) {
    KeyAssignment layered = Assignment(1, 3, 9);
    layered.fn_layer = 1;
    EXPECT_NE(store.SaveKeyAssignment(layered), 0);
    KeyAssignment read;
    EXPECT_FALSE(store.GetKeyAssignment(1, 3, read));
    std::vector<KeyAssignment> list;
    EXPECT_EQ(store.LoadKeyAssignments(1, list), 0);
    EXPECT_TRUE(store.SetKeyDescription(1, 3, "x"));
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT macro_desc FROM t_key_macro_data WHERE fn_layer = 1"),
              std::vector<std::string>{"Ctrl+\xC3\x84"});
}

TEST_F(KeyAssignmentsTest, LoadReadsOneProfileInRowOrderAndDeleteClearsIt) {
    for (int key : {7, 2, 5}) {
        ASSERT_NE(store.SaveKeyAssignment(Assignment(1, key, key)), 0);
    }
    ASSERT_NE(store.SaveKeyAssignment(Assignment(2, 1, 1)), 0);
    std::vector<KeyAssignment> list(4);
    ASSERT_EQ(store.LoadKeyAssignments(1, list), 3);
    EXPECT_EQ(list[0].key_code, 7);
    EXPECT_EQ(list[1].key_code, 2);
    EXPECT_EQ(list[2].key_code, 5);

    EXPECT_TRUE(store.DeleteKeyAssignments(1));
    EXPECT_EQ(store.LoadKeyAssignments(1, list), 0);
    EXPECT_EQ(store.LoadKeyAssignments(2, list), 1);
}

}  // namespace
}  // namespace quillon::test
