#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// One registry key kept in a small text file, one value per line:
//
//     LCID=2052
//     DeviceType=101
//
// A value's name is the text before the first '=' (blanks around it ignored, letters compared
// without regard to case, as the registry does); its value is everything after it, unchanged.
// Lines that are not "name=value" are kept as they stand when the file is rewritten.
class RegistryKey {
  public:
    enum class OpenResult { Opened, NotFound, Failed };

    explicit RegistryKey(std::string file);

    const std::string& file() const { return file_; }

    // Reads the key's values. NotFound when the file (or its folder) does not exist; Failed when
    // it exists but cannot be read as a key (not a regular file, unreadable, too large).
    OpenResult Open();

    // Makes the key (its folder and an empty file) unless it exists; true when it exists after.
    bool Create();

    // The value as Open() last read or WriteString() last wrote it; nullopt when it is missing.
    std::optional<std::string> ReadString(std::string_view name) const;

    // Replaces or adds one value, keeping every other line. The key must exist. The file is
    // replaced atomically, so a crash leaves either the old or the new file. Names that could not
    // be read back as written (empty, blanks around them, '=', line breaks, a leading '[', '#' or
    // ';') and values holding line breaks or NUL are refused.
    bool WriteString(std::string_view name, std::string_view value);

  private:
    std::string file_;
    std::vector<std::string> lines_;
};

}  // namespace quillon
