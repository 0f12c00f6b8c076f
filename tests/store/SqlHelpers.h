#pragma once

#include <string>
#include <vector>

namespace quillon::test {

using SqlRows = std::vector<std::vector<std::string>>;

// Runs sql on a connection of its own (creating the file when missing) and returns every row as
// text (NULL as "NULL"); a failed statement gives a single row {"error <code>"}.
SqlRows QuerySql(const std::string& path, const std::string& sql);

// The same, flattened: the first column of every row.
std::vector<std::string> QueryColumn(const std::string& path, const std::string& sql);

}  // namespace quillon::test
