#include "platform/Autostart.h"

#include <filesystem>
#include <system_error>

#include "platform/DesktopExec.h"
#include "platform/Paths.h"
#include "platform/WholeFile.h"

namespace fs = std::filesystem;

namespace quillon {

std::string AutostartEntryPath() {
    return ConfigHome() + "autostart/quillon-mouse.desktop";
}

std::string AutostartEntryText(const std::string& executable) {
    return std::string(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=") +
           kProductName +
           "\n"
           "Exec=" +
           DesktopExecValue({executable, "-hide"}) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool IsAutostartEnabled() {
    std::error_code ec;
    return fs::is_regular_file(AutostartEntryPath(), ec);
}

bool EnableAutostart(const std::string& executable) {
    if (executable.empty()) {
        return false;
    }
    const std::string path = AutostartEntryPath();
    std::string error;
    return CreateFolderPath(fs::path(path).parent_path().string()) &&
           ReplaceFileContent(path, AutostartEntryText(executable), error);
}

bool DisableAutostart() {
    std::error_code ec;
    fs::remove(AutostartEntryPath(), ec);
    return !IsAutostartEnabled();
}

}  // namespace quillon
