#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/MouseSettingsPanel.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace quillon {
namespace {

using Command = std::vector<std::string>;

TEST(MouseSettingsPanelTest, TheCurrentDesktopsPanelComesFirstThenTheKnownOrder) {
    test::TempDir bin;
    auto program = [&](const std::string& name, bool executable) {
        fs::create_directories(fs::path(bin.file(name)).parent_path());
        std::ofstream(bin.file(name)) << "#!/bin/sh\n";
        fs::permissions(bin.file(name), executable ? fs::perms::owner_all : fs::perms::owner_read);
        return bin.file(name);
    };
    const std::string kde = program("a/systemsettings", true);
    const std::string gnome = program("b/gnome-control-center", true);
    program("a/xfce4-mouse-settings", false);
    const std::string path = bin.file("a") + "::" + bin.file("b");

    struct Case {
        std::string searchPath;
        std::string desktop;
        Command command;
    };
    const std::vector<Case> cases = {
        {path, "ubuntu:GNOME", {gnome, "mouse"}},
        {path, "KDE", {kde, "kcm_mouse"}},
        {path, "", {gnome, "mouse"}},
        // Not executable: not a panel.
        {path, "XFCE", {gnome, "mouse"}},
        // Only a part of a desktop's name is not that desktop.
        {bin.file("a"), "GNOMEISH:KD", {kde, "kcm_mouse"}},
        {"", "GNOME", {}},
        {bin.file("c"), "GNOME", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindMouseSettingsPanel(c.searchPath, c.desktop), c.command)
            << c.searchPath << " " << c.desktop;
    }
}

}  // namespace
}  // namespace quillon
