#include "store/CachedStatement.h"

namespace quillon {

CachedStatement::CachedStatement(std::shared_ptr<Slot> slot, int prepareResult)
    : slot_(std::move(slot)), prepareResult_(prepareResult) {
    slot_->lent = true;
}

CachedStatement::~CachedStatement() {
    slot_->statement.Reset();
    slot_->lent = false;
}

}  // namespace quillon
