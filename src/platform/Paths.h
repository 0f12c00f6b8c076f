#pragma once

#include <string>

namespace quillon {

// Product name: names the settings folders, the single-instance socket and the window title.
inline constexpr const char* kProductName = "Quillon Mouse";

// Folder holding config.xml, language/ and Skin/: ResourceFolderFor() the running executable's
// folder. $QUILLON_RESOURCE_DIR overrides it. Always ends in '/'.
std::string ResourceFolder();

// The resource folder of an executable in `exeFolder` (ending in '/'): that folder when it holds
// config.xml (a build tree), else the share folder at its place relative to the installed bin
// folder (<exe folder>../share/quillon-mouse/), so an installed tree still works when moved.
// An empty `exeFolder` (the executable cannot be found) gives the configured install folder.
std::string ResourceFolderFor(const std::string& exeFolder);

// The running program's file (empty when /proc cannot tell).
std::string ExecutablePath();

// "<XDG data home>/Quillon Mouse MouseDbFiles/", the parent of the settings databases' db/
// folder. SetDataFolder() replaces it (the command line's --data-dir). Always ends in '/'.
std::string DataFolder();
void SetDataFolder(const std::string& folder);

// $XDG_CONFIG_HOME (or ~/.config), ending in '/'.
std::string ConfigHome();
// "<XDG config home>/Quillon Mouse/": home of the registry file. Always ends in '/'.
std::string ConfigFolder();

// $XDG_RUNTIME_DIR (or a private folder under /tmp when it is unset), ending in '/'.
std::string RuntimeFolder();

// Creates the folder and every missing parent; true when the folder exists afterwards.
bool CreateFolderPath(const std::string& path);

// Appends '/' unless the text already ends in one.
std::string WithTrailingSlash(std::string folder);

}  // namespace quillon
