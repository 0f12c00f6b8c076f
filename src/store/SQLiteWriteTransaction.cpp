#include "store/SQLiteWriteTransaction.h"

#include "store/SQLiteDB.h"

namespace quillon {

SQLiteWriteTransaction::SQLiteWriteTransaction(SQLiteDB& db)
    : db_(db), nested_(db.InTransaction()) {
    begun_ = db_.Run(nested_ ? "SAVEPOINT write_part" : "BEGIN IMMEDIATE");
    open_ = begun_ == kSqlOk;
}

SQLiteWriteTransaction::~SQLiteWriteTransaction() {
    if (!open_) {
        return;
    }
    if (nested_) {
        db_.Run("ROLLBACK TO write_part");
        db_.Run("RELEASE write_part");
    } else {
        db_.Run("ROLLBACK");
    }
}

int SQLiteWriteTransaction::Commit() {
    if (!open_) {
        return begun_ == kSqlOk ? kSqlMisuse : begun_;
    }
    const int rc = db_.Run(nested_ ? "RELEASE write_part" : "COMMIT");
    // A failed COMMIT leaves the transaction open; the destructor then rolls it back.
    open_ = rc != kSqlOk && db_.InTransaction();
    return rc;
}

}  // namespace quillon
