#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

// Reads a whole regular file. On failure `error` holds the path and the reason ("No such file
// or directory", "Permission denied", "not a regular file (a pipe or socket)", "too large ...").
// Anything but a regular file (a folder, pipe or device) is refused without being read, and
// files larger than `maxBytes` rather than read into memory.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error,
                   size_t maxBytes = size_t{256} << 20);

// Replaces a file's content: writes a temporary file in the same folder, flushes it to disk and
// renames it over the old file. Readers see the old or the new content, never a mix; on failure
// the old file stays as it was and the temporary file is removed.
bool ReplaceFileContent(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace quillon
