#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/Records.h"

namespace quillon {

// What a macro exchange file carries: the header (its name as the macro list shows it) and the
// steps in step order. Ids are not carried.
struct MacroFileContent {
    MacroHeader header;
    std::vector<MacroItem> items;
};

// "<folder>/<name>-<tick>.xml", the tick written as a signed 32-bit number. Characters that
// cannot stand in a file name on either platform ('/', '\', control characters, <>:"|?*) are
// replaced by '_' so that the file always lands inside `folder`; a very long name is cut.
std::string MacroFilePath(const std::string& folder, std::string_view name, std::uint32_t tick);

// Writes the file; false with a one-line reason when it cannot be written.
bool WriteMacroFile(const std::string& path, const MacroFileContent& content, std::string& reason);

// Reads a macro file. An absent or empty number reads as 0; any other must be a whole decimal
// number within what the macro editor allows (play_times 1..255, item types 1..12, pauses
// 1..15000 ms, at most 200 steps), and names and step texts may not hold NUL characters. False
// with a one-line reason naming the first value refused, or when the file cannot be read, is not
// well-formed or is not a macro file; nothing of such a file may be stored.
bool ReadMacroFile(const std::string& path, MacroFileContent& content, std::string& reason);

}  // namespace quillon
