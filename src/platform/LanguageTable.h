#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/ProfileString.h"

namespace quillon {

// "<folder>/<language id>.lan": the language file of one language.
std::string LanguageFilePath(const std::string& languageFolder, int languageId);

// Texts by numeric id from the language files of one folder. The parsed file is kept while the
// file on disk keeps its size and modification time, so a switch of language, an edited file or
// a deleted one takes effect at the next look-up. Safe from any thread.
class LanguageTable {
  public:
    explicit LanguageTable(std::string languageFolder);

    // The value of key textId ("%d") in the section of the language's file; empty when the file,
    // the section or the key is missing. At most 259 UTF-16 code units.
    std::string Text(int languageId, int textId, std::string_view section = "LAN");

  private:
    std::string folder_;
    std::mutex mutex_;
    std::string cachedPath_;
    std::int64_t cachedStamp_ = 0;
    std::uintmax_t cachedSize_ = 0;
    ProfileFile cached_;
};

// The text of an id in the current language, from the resource folder's "language/" files.
std::string GetText(int textId, std::string_view section = "LAN");

}  // namespace quillon
