#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace quillon::cli {

// The --json answers; objects keep insertion order so they read as the text form does.
using Json = nlohmann::ordered_json;

// One compact line of `value`. UTF-8 passes through; bytes that are not UTF-8 (a name stored by
// another program) become U+FFFD instead of failing the command.
std::string JsonLine(const Json& value);

}  // namespace quillon::cli
