#pragma once

#include <string>
#include <string_view>

namespace quillon {

// What an existing file at a settings database's path holds.
enum class DatabaseFileState {
    Ours,         // every table of the schema with its columns in order
    Incomplete,   // empty, or only tables of the schema: a creation that was cut short
    NotDatabase,  // not an SQLite 3 file at all
    Damaged,      // an SQLite file that is truncated or corrupt
    Foreign,      // an SQLite database whose tables are not ours
    Unreadable,   // cannot be opened or read (permissions, locked by another program)
    Unwritable,   // cannot be created, or its tables cannot be written
    ReadOnly,     // the file or its folder may not be written
    Busy,         // another program kept it locked past the busy time-out
    NoModel,      // the catalogue names no model whose database could be opened
    NotAFolder,   // a file stands where its folder, or a folder above, should be
};

// Looks at the file through a read-only connection, so a file that turns out not to be ours is
// left exactly as it was.
DatabaseFileState CheckDatabaseFile(const std::string& path);

// A short phrase for messages: "is not an SQLite database", ...; empty for Ours and Incomplete.
std::string DescribeProblem(DatabaseFileState state);

}  // namespace quillon
