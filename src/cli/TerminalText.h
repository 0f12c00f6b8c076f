#pragma once

#include <string>
#include <string_view>

namespace quillon::cli {

// Text from files and databases as it may be printed in quillonctl's tables: control characters
// (C0, DEL and C1) are shown as "\xNN" or "\u00NN", so that a name cannot move the cursor, end a
// table row or send a terminal escape sequence. Everything else is left as it is.
std::string Shown(std::string_view text);

}  // namespace quillon::cli
