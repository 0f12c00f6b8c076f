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
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        error = Reason(path, errno);
        return false;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<size_t>(info.st_size) <= maxBytes) {
        bytes.reserve(static_cast<size_t>(info.st_size));
    }
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
            error = path + ": larger than " + std::to_string(maxBytes) + " bytes";
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
