#pragma once

#include <string>
#include <vector>

#include "store/Records.h"

namespace quillon {

// Macro items from the short step syntax of the command line, the same items (types, values,
// texts) that recording or the item editor make:
//   +A / -A         key press / release, by the key names of NamedKeys()
//   +LB / -LB       mouse button press / release (LB, RB, MB, Backward, Forward)
//   t50             pause of 50 ms (1..15000)
//   scroll-up       a wheel step, as the editor's click pair turned into one
//   scroll-down
//   move X Y        pointer move; negative X goes left, negative Y up (|X| <= 127, |Y| <= 15)
// Each step's items share a time stamp, `firstStamp` for the first step and one more for each
// after it. False, with `items` untouched, naming the first bad step in `reason`, when a step
// is malformed or the macro would exceed its item limit.
bool ParseMacroSteps(const std::vector<std::string>& steps, int firstStamp,
                     std::vector<MacroItem>& items, std::string& reason);

}  // namespace quillon
