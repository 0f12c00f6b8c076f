#include "platform/Paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace fs = std::filesystem;

namespace quillon {
namespace {

std::mutex g_mutex;
std::string g_dataFolderOverride;

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? std::string(value) : fallback;
}

std::string HomeFolder() {
    return EnvOr("HOME", "/tmp");
}

std::string ExecutableFolder() {
    const std::string exe = ExecutablePath();
    return exe.empty() ? std::string() : WithTrailingSlash(fs::path(exe).parent_path().string());
}

}  // namespace

std::string ExecutablePath() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
    return folder;
}

std::string ResourceFolder() {
    if (const char* forced = std::getenv("QUILLON_RESOURCE_DIR"); forced != nullptr && *forced) {
        return WithTrailingSlash(forced);
    }
    return ResourceFolderFor(ExecutableFolder());
}

std::string ResourceFolderFor(const std::string& exeFolder) {
    if (exeFolder.empty()) {
        return QUILLON_SHARE_DIR;
    }
    std::error_code ec;
    if (fs::exists(exeFolder + "config.xml", ec)) {
        return exeFolder;
    }
    fs::path share = fs::path(exeFolder) / QUILLON_SHARE_FROM_BIN;
    return WithTrailingSlash(share.lexically_normal().string());
}

std::string DataFolder() {
    {
        std::lock_guard lock(g_mutex);
        if (!g_dataFolderOverride.empty()) {
            return g_dataFolderOverride;
        }
    }
    std::string base = EnvOr("XDG_DATA_HOME", HomeFolder() + "/.local/share");
    return WithTrailingSlash(base) + kProductName + " MouseDbFiles/";
}

void SetDataFolder(const std::string& folder) {
    std::lock_guard lock(g_mutex);
    g_dataFolderOverride = folder.empty() ? std::string() : WithTrailingSlash(folder);
}

std::string ConfigHome() {
    return WithTrailingSlash(EnvOr("XDG_CONFIG_HOME", HomeFolder() + "/.config"));
}

std::string ConfigFolder() {
    return ConfigHome() + kProductName + "/";
}

std::string RuntimeFolder() {
    std::string folder = EnvOr("XDG_RUNTIME_DIR", "");
    if (folder.empty()) {
        folder = "/tmp/quillon-mouse-" + std::to_string(getuid());
        std::error_code ec;
        fs::create_directories(folder, ec);
        fs::permissions(folder, fs::perms::owner_all, ec);
    }
    return WithTrailingSlash(folder);
}

bool CreateFolderPath(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

}  // namespace quillon
