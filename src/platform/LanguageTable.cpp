#include "platform/LanguageTable.h"

#include <filesystem>
#include <memory>

#include "platform/LanguageChoice.h"
#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace quillon {

std::string LanguageFilePath(const std::string& languageFolder, int languageId) {
    return WithTrailingSlash(languageFolder) + std::to_string(languageId) + ".lan";
}

LanguageTable::LanguageTable(std::string languageFolder) : folder_(std::move(languageFolder)) {}

std::string LanguageTable::Text(int languageId, int textId, std::string_view section) {
    std::string path = LanguageFilePath(folder_, languageId);
    std::error_code ec;
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        return {};
    }
    auto stamp = fs::last_write_time(path, ec).time_since_epoch().count();
    if (ec) {
        return {};
    }
    std::lock_guard lock(mutex_);
    if (path != cachedPath_ || stamp != cachedStamp_ || size != cachedSize_) {
        cached_ = ProfileFile::Load(path);
        cachedPath_ = path;
        cachedStamp_ = static_cast<std::int64_t>(stamp);
        cachedSize_ = size;
    }
    return cached_.Get(section, std::to_string(textId));
}

std::string GetText(int textId, std::string_view section) {
    static std::mutex mutex;
    static std::string folder;
    static std::unique_ptr<LanguageTable> table;
    std::string wanted = ResourceFolder() + "language/";
    std::lock_guard lock(mutex);
    if (!table || folder != wanted) {
        folder = wanted;
        table = std::make_unique<LanguageTable>(wanted);
    }
    return table->Text(CurrentLanguageId(), textId, section);
}

}  // namespace quillon
