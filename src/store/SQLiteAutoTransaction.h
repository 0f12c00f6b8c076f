#pragma once

namespace quillon {

class SQLiteDB;

// A transaction that ends when the object goes out of scope. Construction begins it; the object
// counts as active from then on even when "BEGIN" failed, so the destructor always ends it.
class SQLiteAutoTransaction {
  public:
    explicit SQLiteAutoTransaction(SQLiteDB* owner);
    virtual ~SQLiteAutoTransaction();
    SQLiteAutoTransaction(const SQLiteAutoTransaction&) = delete;
    SQLiteAutoTransaction& operator=(const SQLiteAutoTransaction&) = delete;

    // False when there is no owner or the transaction is already active (as after construction).
    bool Begin();
    // Runs "END"; true when it succeeded.
    bool Commit();

    bool IsActive() const { return active_; }

  private:
    SQLiteDB* owner_;
    bool active_ = false;
};

}  // namespace quillon
