#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "platform/FileDescriptor.h"

namespace quillon {
namespace {

std::string Reason(const std::string& path, int error) {
    return path + ": " + std::generic_category().message(error);
}

std::string NotRegular(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "not a regular file (a folder)";
    }
    if (S_ISFIFO(mode) || S_ISSOCK(mode)) {
        return "not a regular file (a pipe or socket)";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "not a regular file (a device)";
    }
    return "not a regular file";
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file next to `path`, named after it, that no other writer uses.
int CreateTemporary(const std::string& path, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error,
                   size_t maxBytes) {
    bytes.clear();
    // Only regular files are read: a pipe would wait for a writer that may never come, a device
    // would never end, and opening either may have effects of its own. Looked at before opening
    // and again on what was opened, in case the path changed in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = Reason(path, errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = path + ": " + NotRegular(info.st_mode);
        return false;
    }
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        error = Reason(path, errno);
        return false;
    }
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + ": " + NotRegular(info.st_mode);
        return false;
    }
    if (static_cast<size_t>(info.st_size) > maxBytes) {
        error = path + ": too large (more than " + std::to_string(maxBytes) + " bytes)";
        return false;
    }
    bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = Reason(path, errno);
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (bytes.size() + static_cast<size_t>(got) > maxBytes) {
            error = path + ": too large (more than " + std::to_string(maxBytes) + " bytes)";
            bytes.clear();
            return false;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

bool ReplaceFileContent(const std::string& path, std::string_view bytes, std::string& error) {
    std::string temporary;
    FileDescriptor file(CreateTemporary(path, temporary));
    if (file.get() < 0) {
        error = Reason(path, errno);
        return false;
    }
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(file.get(), old.st_mode & 07777);
    }
    if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0 || !file.Close() ||
        ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = Reason(path, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    // Makes the rename itself durable; a failure here no longer affects the content.
    FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) {
        ::fsync(folder.get());
    }
    return true;
}

}  // namespace quillon
