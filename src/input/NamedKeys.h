#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "input/KeyNames.h"

namespace quillon {

// Every key a macro step can name by hand: the virtual-key code a macro item stores and the
// name the editors show for it, as capturing the key on an English layout gives them. In
// virtual-key order; each name once.
const std::vector<CapturedKey>& NamedKeys();

// The key of a name, ignoring case ("a", "LCtrl", "page up"); nothing for an unknown name.
std::optional<CapturedKey> KeyOfName(std::string_view name);

}  // namespace quillon
