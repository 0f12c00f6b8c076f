#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace quillon {

// The tables and indexes of a settings database, in the order they are created. Every statement
// is "IF NOT EXISTS", so running the list again completes a file whose creation was cut short.
const std::vector<std::string_view>& SchemaStatements();

// A table of the schema with its columns in order: whole-row reads take columns by position.
struct TableColumns {
    std::string_view table;
    std::vector<std::string_view> columns;
};
const std::vector<TableColumns>& SchemaTables();

// Tables that files written by other releases may hold beside the schema; cleared on reset.
inline constexpr std::array<std::string_view, 3> kOptionalTables = {
    "t_customlight_data", "t_customrgb_data", "t_musiclayer_data"};

// One configuration value: key and decimal text.
struct ConfigValue {
    std::string_view key;
    std::string_view value;
};
// The 27 rows every new profile gets, in insertion order.
const std::vector<ConfigValue>& InsertedValues();
// The updates that restore a profile's defaults, in the order they run; "version" is kept and
// move_wakeUp_flag is written twice. The report rate depends on the connection: "4" for a cable
// (mode 0), "2" for any other.
std::vector<ConfigValue> RestoredValues(int connectionMode);

// The five profiles a new or cleared file gets, in id order; each name is the language text id
// of the profile's display name.
inline constexpr std::array<std::string_view, 5> kDefaultProfileNames = {"800", "801", "811", "821",
                                                                         "831"};

}  // namespace quillon
