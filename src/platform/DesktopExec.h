#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// The Exec key of a desktop entry file (freedesktop Desktop Entry, version 1.5): a command line
// whose arguments are quoted where they hold a blank or a character a shell would read, with the
// string escapes of the file on top (a literal backslash in a quoted argument is written "\\\\").

// The value to write after "Exec=" for a program and its arguments.
std::string DesktopExecValue(const std::vector<std::string>& arguments);

// The arguments of a value as it stands after "Exec=" in a file; nullopt when the value is not
// well-formed (an open quote, a bad escape, a character that needs quoting left bare). "%%"
// reads as "%"; other field codes are kept as written.
std::optional<std::vector<std::string>> ParseDesktopExec(std::string_view value);

}  // namespace quillon
