#include <gtest/gtest.h>

#include <filesystem>

#include "SqlHelpers.h"
#include "store/SQLiteAutoTransaction.h"
#include "store/SQLiteDB.h"
#include "store/SQLiteStatement.h"
#include "support/TempDir.h"

namespace quillon::test {
namespace {

TEST(SQLiteLayerTest, ClosedConnectionAndUnpreparedStatementAnswerMisuse) {
    SQLiteDB db;
    SQLiteStatement statement;
    EXPECT_FALSE(db.IsOpen());
    EXPECT_TRUE(db.Close());
    EXPECT_EQ(db.Prepare(statement, "SELECT 1"), kSqlMisuse);
    EXPECT_EQ(db.Exec("SELECT 1"), kSqlMisuse);
    EXPECT_EQ(db.LastInsertRowId(), -1);
    EXPECT_EQ(statement.BindInt(1, 5), kSqlMisuse);
    EXPECT_EQ(statement.BindText(1, "x"), kSqlMisuse);
    EXPECT_EQ(statement.Step(), kSqlMisuse);
    EXPECT_EQ(statement.ColumnInt(0), 0);
    EXPECT_EQ(statement.ColumnText(0), nullptr);
    EXPECT_EQ(statement.ColumnString(0), "");
    EXPECT_FALSE(db.Open("", kOpenReadWrite | kOpenCreate));
}

TEST(SQLiteLayerTest, EmptySqlTextIsMisuseOnAnOpenConnection) {
    TempDir dir;
    SQLiteDB db;
    ASSERT_TRUE(db.Open(dir.file("a.db"), kOpenReadWrite | kOpenCreate));
    SQLiteStatement statement;
    EXPECT_EQ(db.Prepare(statement, ""), kSqlMisuse);
    EXPECT_EQ(db.Exec(""), kSqlMisuse);
}

TEST(SQLiteLayerTest, ReadWriteConnectionsUseTheWriteAheadLog) {
    TempDir dir;
    std::string path = dir.file("a.db");
    {
        SQLiteDB db;
        ASSERT_TRUE(db.Open(path, kOpenReadWrite | kOpenCreate | kOpenFullMutex));
        ASSERT_EQ(db.Exec("CREATE TABLE t (a INTEGER)"), kSqlOk);
        EXPECT_EQ(QueryColumn(path, "PRAGMA journal_mode"), std::vector<std::string>{"wal"});
    }
    // The last connection's close folds the log back: the file alone holds everything.
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
    EXPECT_EQ(QueryColumn(path, "SELECT count(*) FROM sqlite_master"),
              std::vector<std::string>{"1"});
}

TEST(SQLiteLayerTest, PreparingAgainReplacesTheStatementAndBindsTextAsGiven) {
    TempDir dir;
    SQLiteDB db;
    ASSERT_TRUE(db.Open(dir.file("a.db"), kOpenReadWrite | kOpenCreate));
    ASSERT_EQ(db.Exec("CREATE TABLE t (a INTEGER, b TEXT)"), kSqlOk);
    SQLiteStatement statement;
    ASSERT_EQ(db.Prepare(statement, "INSERT INTO t VALUES (?, ?)"), kSqlOk);
    std::string text = "gr\xC3\xBC\xC3\x9F";  // UTF-8 passes through unchanged
    EXPECT_EQ(statement.BindInt(1, -7), kSqlOk);
    EXPECT_EQ(statement.BindText(2, text), kSqlOk);
    EXPECT_EQ(statement.Step(), kSqlDone);
    EXPECT_EQ(db.LastInsertRowId(), 1);
    ASSERT_EQ(db.Prepare(statement, "INSERT INTO t VALUES (?, ?)"), kSqlOk);
    EXPECT_EQ(statement.BindText(2, std::string_view()), kSqlOk);  // empty, not NULL
    EXPECT_EQ(statement.Step(), kSqlDone);

    ASSERT_EQ(db.Prepare(statement, "SELECT a, b FROM t ORDER BY rowid"), kSqlOk);
    ASSERT_EQ(statement.Step(), kSqlRow);
    EXPECT_EQ(statement.ColumnInt(0), -7);
    EXPECT_EQ(statement.ColumnString(1), text);
    ASSERT_EQ(statement.Step(), kSqlRow);
    EXPECT_EQ(statement.ColumnInt(0), 0);  // NULL reads as 0
    ASSERT_NE(statement.ColumnText(1), nullptr);
    EXPECT_EQ(statement.Step(), kSqlDone);
}

TEST(SQLiteLayerTest, AStatementWhoseStepFailedIsFinalizedOnce) {
    TempDir dir;
    SQLiteDB db;
    ASSERT_TRUE(db.Open(dir.file("a.db"), kOpenReadWrite | kOpenCreate));
    ASSERT_EQ(db.Exec("CREATE TABLE t (a INTEGER NOT NULL)"), kSqlOk);
    SQLiteStatement statement;
    ASSERT_EQ(db.Prepare(statement, "INSERT INTO t VALUES (NULL)"), kSqlOk);
    EXPECT_FALSE(StepSucceeded(statement.Step()));
    // Finalizing reports the failed step but frees the statement all the same; preparing again
    // and closing must not touch it a second time (the sanitizer build would catch that).
    EXPECT_NE(statement.Finalize(), kSqlOk);
    EXPECT_FALSE(statement.IsPrepared());
    EXPECT_EQ(db.Prepare(statement, "SELECT 1"), kSqlOk);
    EXPECT_EQ(statement.Finalize(), kSqlOk);
    EXPECT_TRUE(db.Close());
}

TEST(SQLiteLayerTest, CloseIsRefusedWhileAStatementLivesAndSucceedsAfterwards) {
    TempDir dir;
    SQLiteDB db;
    ASSERT_TRUE(db.Open(dir.file("a.db"), kOpenReadWrite | kOpenCreate));
    {
        SQLiteStatement statement;
        ASSERT_EQ(db.Prepare(statement, "SELECT 1"), kSqlOk);
        EXPECT_FALSE(db.Close());
        EXPECT_TRUE(db.IsOpen());
    }
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(db.IsOpen());
}

TEST(SQLiteLayerTest, TransactionCommitsEverythingAtEnd) {
    TempDir dir;
    std::string path = dir.file("a.db");
    SQLiteDB db;
    ASSERT_TRUE(db.Open(path, kOpenReadWrite | kOpenCreate));
    ASSERT_EQ(db.Exec("CREATE TABLE t (a INTEGER)"), kSqlOk);
    {
        SQLiteAutoTransaction transaction(&db);
        EXPECT_TRUE(transaction.IsActive());
        EXPECT_FALSE(transaction.Begin());  // construction already began it
        db.Exec("INSERT INTO t VALUES (1)");
        // Not visible to another connection before the end.
        EXPECT_EQ(QueryColumn(path, "SELECT count(*) FROM t"), std::vector<std::string>{"0"});
        EXPECT_TRUE(transaction.Commit());
        EXPECT_FALSE(transaction.IsActive());
    }
    EXPECT_EQ(QueryColumn(path, "SELECT count(*) FROM t"), std::vector<std::string>{"1"});
    {
        SQLiteAutoTransaction transaction(&db);
        db.Exec("INSERT INTO t VALUES (2)");
    }  // the destructor ends what was left open
    EXPECT_EQ(QueryColumn(path, "SELECT count(*) FROM t"), std::vector<std::string>{"2"});
}

TEST(SQLiteLayerTest, TransactionWithoutAnOpenConnection) {
    SQLiteDB closed;
    SQLiteAutoTransaction onClosed(&closed);
    EXPECT_TRUE(onClosed.IsActive());
    EXPECT_FALSE(onClosed.Commit());
    EXPECT_FALSE(onClosed.IsActive());
    EXPECT_FALSE(onClosed.Begin());  // marks it active, runs nothing
    EXPECT_TRUE(onClosed.IsActive());

    SQLiteAutoTransaction ownerless(nullptr);
    EXPECT_FALSE(ownerless.IsActive());
    EXPECT_FALSE(ownerless.Begin());
    EXPECT_FALSE(ownerless.Commit());
}

}  // namespace
}  // namespace quillon::test
