#include "store/SQLiteAutoTransaction.h"

#include "store/SQLiteDB.h"

namespace quillon {

SQLiteAutoTransaction::SQLiteAutoTransaction(SQLiteDB* owner) : owner_(owner) {
    if (owner_ == nullptr) {
        return;
    }
    if (owner_->IsOpen()) {
        owner_->Exec("BEGIN");
    }
    active_ = true;
}

SQLiteAutoTransaction::~SQLiteAutoTransaction() {
    if (active_) {
        Commit();
    }
}

bool SQLiteAutoTransaction::Begin() {
    if (owner_ == nullptr || active_) {
        return false;
    }
    active_ = true;
    if (!owner_->IsOpen()) {
        return false;
    }
    return owner_->Exec("BEGIN") == kSqlOk;
}

bool SQLiteAutoTransaction::Commit() {
    if (owner_ == nullptr) {
        return false;
    }
    active_ = false;
    if (!owner_->IsOpen()) {
        return false;
    }
    return owner_->Exec("END") == kSqlOk;
}

}  // namespace quillon
