#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillon {

// Longest value the profile reader hands back, in UTF-16 code units (a 260-unit buffer less its
// terminator).
inline constexpr size_t kProfileValueMaxUnits = 259;

// An INI-style profile file read the way the Windows profile reader reads one: "[section]" header
// lines, "key=value" entry lines, blanks trimmed around section contents, keys and values, one pair
// of matching quotes removed from a value, section and key names compared without regard to ASCII
// case, the first entry of a key winning. Encoding: UTF-16LE or UTF-16BE when the file starts with
// the byte-order mark, else UTF-8 (our system code page; a UTF-8 mark is skipped).
class ProfileFile {
  public:
    // A file that cannot be read, or is unreasonably large, gives an empty profile.
    static ProfileFile Load(const std::string& path);
    static ProfileFile Parse(std::string_view bytes);

    // The value as UTF-8, cut to maxUnits UTF-16 code units (never inside a surrogate pair);
    // empty when the section or the key is missing.
    std::string Get(std::string_view section, std::string_view key,
                    size_t maxUnits = kProfileValueMaxUnits) const;

  private:
    using Entries = std::unordered_map<std::string, std::u16string>;
    std::unordered_map<std::string, Entries> sections_;
};

// One look-up, reading the file afresh: what GetPrivateProfileStringW does without a default.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key);

}  // namespace quillon
