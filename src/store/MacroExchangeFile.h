#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/SettingsStore.h"

namespace quillon {

// Writes a macro and its steps to "<folder>/<name>-<tick>.xml" (see MacroFilePath), `name`
// being the macro's name as the macro list shows it. Returns the file written; empty, with a
// one-line reason, when there is no such macro or the file cannot be written.
std::string ExportMacroFile(SettingsStore& store, int macroId, std::string_view name,
                            const std::string& folder, std::uint32_t tick, std::string& reason);

// Stores the macro of a macro file as a new macro, its steps with their indexes as the file
// gives them. Returns the new macro id; 0, with a one-line reason and nothing stored, when the
// file cannot be read or is not a macro file, when the mouse's 32 macros already exist, or when
// the database refuses the macro.
int ImportMacroFile(SettingsStore& store, const std::string& path, std::string& reason);

}  // namespace quillon
