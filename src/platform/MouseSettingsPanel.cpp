#include "platform/MouseSettingsPanel.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace quillon {
namespace {

struct Panel {
    const char* desktop;  // as XDG_CURRENT_DESKTOP names it
    const char* program;
    const char* argument;  // null: none
};

constexpr Panel kPanels[] = {
    {"GNOME", "gnome-control-center", "mouse"},   {"KDE", "systemsettings", "kcm_mouse"},
    {"KDE", "systemsettings5", "kcm_mouse"},      {"XFCE", "xfce4-mouse-settings", nullptr},
    {"X-Cinnamon", "cinnamon-settings", "mouse"}, {"MATE", "mate-mouse-properties", nullptr},
    {"LXQt", "lxqt-config-input", nullptr},       {"Budgie", "budgie-control-center", "mouse"},
};

bool NamesDesktop(std::string_view desktops, std::string_view name) {
    size_t start = 0;
    while (start <= desktops.size()) {
        size_t end = desktops.find(':', start);
        if (end == std::string_view::npos) {
            end = desktops.size();
        }
        if (desktops.substr(start, end - start) == name) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

std::string FindProgram(std::string_view searchPath, std::string_view program) {
    size_t start = 0;
    while (start <= searchPath.size()) {
        size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos) {
            end = searchPath.size();
        }
        const std::string_view folder = searchPath.substr(start, end - start);
        // An empty entry would mean the working folder; a panel is never looked for there.
        if (!folder.empty()) {
            std::string candidate = std::string(folder) + "/" + std::string(program);
            if (access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return {};
}

}  // namespace

std::vector<std::string> FindMouseSettingsPanel(std::string_view searchPath,
                                                std::string_view currentDesktop) {
    std::vector<const Panel*> order;
    for (const Panel& panel : kPanels) {
        order.push_back(&panel);
    }
    std::stable_partition(order.begin(), order.end(), [&](const Panel* panel) {
        return NamesDesktop(currentDesktop, panel->desktop);
    });
    for (const Panel* panel : order) {
        std::string path = FindProgram(searchPath, panel->program);
        if (path.empty()) {
            continue;
        }
        std::vector<std::string> command{std::move(path)};
        if (panel->argument != nullptr) {
            command.emplace_back(panel->argument);
        }
        return command;
    }
    return {};
}

std::vector<std::string> FindMouseSettingsPanel() {
    const char* path = std::getenv("PATH");
    const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
    return FindMouseSettingsPanel(path != nullptr ? path : "", desktop != nullptr ? desktop : "");
}

}  // namespace quillon
