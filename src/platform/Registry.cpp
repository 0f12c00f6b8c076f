#include "platform/Registry.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/FileDescriptor.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace quillon {
namespace {

// A key holds a handful of short values; anything larger is not one of our files.
constexpr off_t kMaxKeyFileBytes = 64 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Index just past the value name's '=' when the line holds the named value, else npos.
size_t ValueStart(std::string_view line, std::string_view name) {
    size_t equals = line.find('=');
    if (equals == std::string_view::npos || !SameName(TrimBlanks(line.substr(0, equals)), name)) {
        return std::string_view::npos;
    }
    return equals + 1;
}

bool IsValidName(std::string_view name) {
    return !name.empty() && TrimBlanks(name) == name &&
           name.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos &&
           name.front() != '[' && name.front() != '#' && name.front() != ';';
}

bool IsValidValue(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

RegistryKey::OpenResult LoadLines(const std::string& file, std::vector<std::string>& lines) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        return (errno == ENOENT || errno == ENOTDIR) ? RegistryKey::OpenResult::NotFound
                                                     : RegistryKey::OpenResult::Failed;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > kMaxKeyFileBytes) {
        return RegistryKey::OpenResult::Failed;
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return RegistryKey::OpenResult::Failed;
        }
        if (count == 0) {
            break;
        }
        text.append(buffer, static_cast<size_t>(count));
        if (text.size() > static_cast<size_t>(kMaxKeyFileBytes)) {
            return RegistryKey::OpenResult::Failed;
        }
    }
    lines.clear();
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        begin = end + 1;
    }
    return RegistryKey::OpenResult::Opened;
}

std::string FolderOf(const std::string& file) {
    std::string folder = std::filesystem::path(file).parent_path().string();
    return folder.empty() ? std::string(".") : folder;
}

}  // namespace

RegistryKey::RegistryKey(std::string file) : file_(std::move(file)) {}

RegistryKey::OpenResult RegistryKey::Open() {
    return LoadLines(file_, lines_);
}

bool RegistryKey::Create() {
    if (!CreateFolderPath(FolderOf(file_))) {
        return false;
    }
    FileDescriptor fd(::open(file_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
    struct stat info {};
    return fd.valid() && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
    for (const std::string& line : lines_) {
        if (size_t start = ValueStart(line, name); start != std::string_view::npos) {
            return line.substr(start);
        }
    }
    return std::nullopt;
}

bool RegistryKey::WriteString(std::string_view name, std::string_view value) {
    if (!IsValidName(name) || !IsValidValue(value)) {
        return false;
    }
    // Writers in other threads or processes (the window, quillonctl) take turns on the folder,
    // so each rewrite starts from the file as the previous writer left it.
    FileDescriptor folder(::open(FolderOf(file_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) {
        ::flock(folder.get(), LOCK_EX);
    }
    std::vector<std::string> lines;
    if (LoadLines(file_, lines) != OpenResult::Opened) {
        return false;
    }
    std::string entry = std::string(name) + "=" + std::string(value);
    bool replaced = false;
    for (std::string& line : lines) {
        if (ValueStart(line, name) != std::string_view::npos) {
            if (line == entry) {
                // Already so: no rewrite (and no wait for the disk) for a value written again.
                lines_ = std::move(lines);
                return true;
            }
            line = entry;
            replaced = true;
            break;
        }
    }
    if (!replaced) {
        lines.push_back(entry);
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    std::string error;
    if (!ReplaceFileContent(file_, text, error)) {
        return false;
    }
    lines_ = std::move(lines);
    return true;
}

}  // namespace quillon
