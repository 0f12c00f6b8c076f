#pragma once

#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace quillon {

// One compiled statement. SQLiteDB::Prepare finalizes whatever the object held before; the store's
// operations take theirs from the connection's cache (SQLiteDB::Cached) instead.
class SQLiteStatement {
  public:
    SQLiteStatement() = default;
    virtual ~SQLiteStatement();
    SQLiteStatement(const SQLiteStatement&) = delete;
    SQLiteStatement& operator=(const SQLiteStatement&) = delete;

    bool IsPrepared() const { return handle_ != nullptr; }

    // SQLite result codes; SQLITE_MISUSE (21) when nothing is prepared.
    int BindInt(int index, int value);
    // Binds without copying: the bytes must stay alive until the statement has been stepped.
    int BindText(int index, std::string_view text);
    int Step();
    // Makes the statement ready to run again with no values bound; its last step's error is not
    // repeated.
    void Reset();

    // 0 when unprepared or NULL.
    int ColumnInt(int column) const;
    // nullptr when unprepared or NULL.
    const char* ColumnText(int column) const;
    // The same as a string; empty when unprepared or NULL.
    std::string ColumnString(int column) const;

    // Finalizes the compiled statement and forgets it; the result repeats the last step's error.
    int Finalize();

  private:
    friend class SQLiteDB;
    sqlite3_stmt* handle_ = nullptr;
};

}  // namespace quillon
