#pragma once

#include <string>
#include <vector>

#include "store/SettingsStore.h"

namespace quillon {

// Saves a profile's button rows and DPI and performance values to a profile file. `name` is
// the profile's name as the profile selector shows it. False with a one-line reason when the
// file cannot be written.
bool ExportProfileFile(SettingsStore& store, int profile, const std::string& name,
                       const std::string& path, std::string& reason);

// Loads a profile file into `profile`: its buttons return to their defaults, then take the
// file's rows, and the values the file gives replace the stored ones, all in one transaction.
// The profile keeps its name. A file that cannot be read, is not a profile or holds a value
// outside its domain is refused before anything is stored, and a database that does not take
// the whole profile keeps the old one (false, with the reason). A button that plays a macro this
// database does not have keeps its row (the file may come with its macros in separate files);
// its key code is added to `buttonsWithoutMacro`. Sending the result to the mouse is the
// caller's.
bool ImportProfileFile(SettingsStore& store, int profile, const std::string& path,
                       std::string& reason, std::vector<int>& buttonsWithoutMacro);

}  // namespace quillon
