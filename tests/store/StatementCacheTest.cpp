#include <gtest/gtest.h>

#include <filesystem>

#include "SqlHelpers.h"
#include "StoreFixture.h"
#include "store/SQLiteDB.h"
#include "support/TempDir.h"

namespace quillon::test {
namespace {

class StatementCacheTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db.Open(path, kOpenReadWrite | kOpenCreate | kOpenFullMutex));
        ASSERT_EQ(db.Exec("CREATE TABLE t (a INTEGER); INSERT INTO t VALUES (1), (2), (3)"),
                  kSqlOk);
    }

    // Every value of column a through one cached statement, stepped to the end.
    std::vector<int> ReadAll() {
        std::vector<int> values;
        CachedStatement statement = db.Cached("SELECT a FROM t ORDER BY a");
        while (statement->Step() == kSqlRow) {
            values.push_back(statement->ColumnInt(0));
        }
        return values;
    }

    TempDir dir;
    std::string path = dir.file("a.db");
    SQLiteDB db;
};

TEST_F(StatementCacheTest, AStatementLeftMidReadStartsAfreshAndSeesAnotherProgramsWrite) {
    {
        CachedStatement statement = db.Cached("SELECT a FROM t ORDER BY a");
        ASSERT_EQ(statement->Step(), kSqlRow);  // left with rows still to come
    }
    // A statement kept mid-read would hold its snapshot: the other connection's write would stay
    // unseen and its checkpoint could not pass.
    EXPECT_EQ(QuerySql(path, "INSERT INTO t VALUES (4)"), SqlRows{});
    EXPECT_EQ(ReadAll(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(StatementCacheTest, TheSameTextUsedInsideItsOwnLoopGetsAStatementOfItsOwn) {
    std::vector<int> outer;
    std::vector<std::vector<int>> inner;
    CachedStatement statement = db.Cached("SELECT a FROM t ORDER BY a");
    while (statement->Step() == kSqlRow) {
        outer.push_back(statement->ColumnInt(0));
        inner.push_back(ReadAll());
    }
    EXPECT_EQ(outer, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(inner, (std::vector<std::vector<int>>(3, {1, 2, 3})));
}

TEST_F(StatementCacheTest, BindingsAreForgottenBetweenUses) {
    std::string text = "kept";
    {
        CachedStatement statement = db.Cached("SELECT ?1 IS NULL");
        statement->BindText(1, text);
        ASSERT_EQ(statement->Step(), kSqlRow);
        EXPECT_EQ(statement->ColumnInt(0), 0);
    }
    CachedStatement statement = db.Cached("SELECT ?1 IS NULL");
    ASSERT_EQ(statement->Step(), kSqlRow);
    EXPECT_EQ(statement->ColumnInt(0), 1);
}

TEST_F(StatementCacheTest, ATextThatDidNotCompileIsTriedAgain) {
    {
        CachedStatement statement = db.Cached("SELECT b FROM later");
        EXPECT_NE(statement.PrepareResult(), kSqlOk);
        EXPECT_EQ(statement->Step(), kSqlMisuse);
    }
    ASSERT_EQ(db.Run("CREATE TABLE later (b INTEGER)"), kSqlOk);
    CachedStatement statement = db.Cached("SELECT b FROM later");
    EXPECT_EQ(statement.PrepareResult(), kSqlOk);
    EXPECT_EQ(statement->Step(), kSqlDone);
}

TEST_F(StatementCacheTest, ClosingFinalizesTheCacheAndOpeningAnotherFileUsesThatFile) {
    EXPECT_EQ(ReadAll(), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(db.Run("BEGIN IMMEDIATE"), kSqlOk);
    ASSERT_EQ(db.Run("COMMIT"), kSqlOk);
    // SQLite refuses to close a connection with live statements, which would leave the log.
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));

    const std::string other = dir.file("b.db");
    ASSERT_EQ(QuerySql(other, "CREATE TABLE t (a INTEGER); INSERT INTO t VALUES (9)"), SqlRows{});
    ASSERT_TRUE(db.Open(other, kOpenReadWrite | kOpenFullMutex));
    EXPECT_EQ(ReadAll(), std::vector<int>{9});
}

TEST_F(StatementCacheTest, AStatementStillLentWhenTheConnectionClosesIsEmptied) {
    CachedStatement statement = db.Cached("SELECT a FROM t ORDER BY a");
    ASSERT_EQ(statement->Step(), kSqlRow);
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(statement->IsPrepared());
    EXPECT_EQ(statement->Step(), kSqlMisuse);
}

using StoreStatementCacheTest = StoreFixture;

TEST_F(StoreStatementCacheTest, TwoProgramsOnOneFileSeeEachOthersWritesThroughTheirCaches) {
    SettingsStore other;
    ASSERT_TRUE(other.OpenForDevice(dir.path(), "Q1"));
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    std::string value;
    for (const char* written : {"3", "5", "7"}) {
        ASSERT_TRUE(other.SetValue(1, "report_rate", written));
        ASSERT_TRUE(store.GetValue(1, "report_rate", value));
        EXPECT_EQ(value, written);
        ASSERT_TRUE(store.SetValue(2, "report_rate", written));
        ASSERT_TRUE(other.GetValue(2, "report_rate", value));
        EXPECT_EQ(value, written);
    }
}

TEST_F(StoreStatementCacheTest, ClearingAndReopeningKeepTheCachedOperationsOnTheRightFile) {
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    ASSERT_GT(store.AddMacro("first"), 0);
    ASSERT_TRUE(store.ClearAll());
    std::vector<MacroHeader> macros;
    EXPECT_EQ(store.LoadMacros(macros), 0);
    EXPECT_EQ(store.AddMacro("after clearing"), 1);  // the id counter restarted too
    ASSERT_TRUE(store.ClearAll());                   // the same statements a second time

    ASSERT_TRUE(store.OpenSettingsDatabase(dir.path(), "Q2"));
    EXPECT_EQ(store.EnsureDefaultProfiles(), 1);
    EXPECT_EQ(store.AddMacro("second model"), 1);
    EXPECT_EQ(QueryColumn(dir.file("db/Q2_data_rdn.db"), "SELECT name FROM t_macro_data"),
              std::vector<std::string>{"second model"});
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_macro_data"),
              std::vector<std::string>{"0"});
}

}  // namespace
}  // namespace quillon::test
