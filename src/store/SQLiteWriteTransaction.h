#pragma once

namespace quillon {

class SQLiteDB;

// A transaction that writes. It begins with "BEGIN IMMEDIATE", which takes the database's write
// lock at once (waiting for another program up to the busy time-out), so what is read inside
// cannot change before the writes land: a check made inside holds for every process. Inside
// another transaction of the same connection it is a savepoint of that one. Nothing is committed
// unless Commit() is called; otherwise the destructor rolls back.
class SQLiteWriteTransaction {
  public:
    explicit SQLiteWriteTransaction(SQLiteDB& db);
    ~SQLiteWriteTransaction();
    SQLiteWriteTransaction(const SQLiteWriteTransaction&) = delete;
    SQLiteWriteTransaction& operator=(const SQLiteWriteTransaction&) = delete;

    // SQLite's result of beginning: 0 when the transaction runs.
    int BeginResult() const { return begun_; }
    // Makes the writes permanent (or part of the enclosing transaction); SQLite's result code.
    int Commit();

  private:
    SQLiteDB& db_;
    bool nested_;
    bool open_ = false;
    int begun_;
};

}  // namespace quillon
