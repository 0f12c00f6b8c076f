#include "protocol/CommandSet.h"

namespace quillon {

void CommandSet::ReadButtonTables() {}
void CommandSet::WriteButtons() {}
void CommandSet::WriteMacros() {}

}  // namespace quillon
