#pragma once

#include <memory>

#include "store/SQLiteStatement.h"

namespace quillon {

// A statement its connection compiled once, lent out for one use: the holder binds and steps it
// as a SQLiteStatement. Going out of scope resets it, ending its read and forgetting its
// bindings, so that an idle connection keeps no snapshot that would hide another program's
// writes and no pointer into text that is gone.
class CachedStatement {
  public:
    // What the connection keeps of one SQL text; `lent` while a CachedStatement holds it.
    struct Slot {
        SQLiteStatement statement;
        bool lent = false;
    };

    CachedStatement(std::shared_ptr<Slot> slot, int prepareResult);
    ~CachedStatement();
    CachedStatement(const CachedStatement&) = delete;
    CachedStatement& operator=(const CachedStatement&) = delete;

    SQLiteStatement& operator*() const { return slot_->statement; }
    SQLiteStatement* operator->() const { return &slot_->statement; }
    // SQLite's result of compiling the text (kSqlOk when it came compiled from the cache).
    int PrepareResult() const { return prepareResult_; }

  private:
    std::shared_ptr<Slot> slot_;
    int prepareResult_;
};

}  // namespace quillon
