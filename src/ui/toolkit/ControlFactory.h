#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "ui/toolkit/MControl.h"

namespace quillon {

// A new control of the named class ("MText", "MComboBox", ...), or null for an unknown name.
std::unique_ptr<MControl> MakeControl(std::string_view className);
// Every class name MakeControl knows.
const std::vector<std::string_view>& ControlClassNames();

}  // namespace quillon
