#pragma once

#include <string>
#include <utility>
#include <vector>

#include "store/Records.h"

namespace quillon {

// What a profile exchange file carries: the profile's name, its button rows and its DPI and
// performance values.
struct ProfileFileContent {
    std::string name;
    // key_code, macro_type, macro_value, macro_value2, macro_value3 and macro_desc are used.
    std::vector<KeyAssignment> keyItems;
    // Configuration values by key, in file order. Writing takes every key of ProfileFileKeys()
    // (a missing one as an empty text); reading gives only the keys the file sets.
    std::vector<std::pair<std::string, std::string>> values;
};

// The configuration keys a profile file carries, in file order.
const std::vector<std::string>& ProfileFileKeys();

// Writes the file: the declaration line, then one element per line ending in CR LF. False with
// a one-line reason when the file cannot be written.
bool WriteProfileFile(const std::string& path, const ProfileFileContent& content,
                      std::string& reason);

// Reads a profile file. False with a one-line reason when the file cannot be read, is not
// well-formed, is not a profile, or holds a value outside its domain (the first bad value is
// named); nothing of such a file may be stored. Elements are found forward only, in the order
// the file format lists them; others are skipped. An absent or empty value leaves that setting
// as it is.
bool ReadProfileFile(const std::string& path, ProfileFileContent& content, std::string& reason);

}  // namespace quillon
