#include "store/Schema.h"

namespace quillon {

const std::vector<std::string_view>& SchemaStatements() {
    static const std::vector<std::string_view> statements = {
        "CREATE TABLE IF NOT EXISTS t_configdata (config_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, key TEXT, value TEXT)",
        "CREATE TABLE IF NOT EXISTS t_profile_data (profile INTEGER PRIMARY KEY AUTOINCREMENT, "
        "name TEXT, status INTEGER, app TEXT, type INTEGER)",
        "CREATE INDEX IF NOT EXISTS profileindex ON t_profile_data(profile)",
        "CREATE TABLE IF NOT EXISTS t_key_macro_data (key_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, fn_layer INTEGER, key_code INTEGER, layout_value INTEGER, "
        "layout_desc TEXT, macro_type INTEGER, macro_value INTEGER, macro_value2 INTEGER, "
        "macro_value3 INTEGER, macro_desc TEXT)",
        "CREATE INDEX IF NOT EXISTS keyindex ON t_key_macro_data(key_id)",
        "CREATE TABLE IF NOT EXISTS t_key_otherdata (macro_value INTEGER PRIMARY KEY "
        "AUTOINCREMENT, macro_desc TEXT, param TEXT, type INTEGER)",
        "CREATE INDEX IF NOT EXISTS otheridindex ON t_key_otherdata(macro_value)",
        "CREATE TABLE IF NOT EXISTS t_macro_data (macro_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "name TEXT, play_type INTEGER, play_times INTEGER, delay_type INTEGER, "
        "delay_time INTEGER)",
        "CREATE INDEX IF NOT EXISTS macroidindex ON t_macro_data(macro_id)",
        "CREATE TABLE IF NOT EXISTS t_macrorecord (record_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "macro_id INTEGER, type INTEGER, record_index INTEGER, desc TEXT, value INTEGER, "
        "delay_time INTEGER)",
        "CREATE INDEX IF NOT EXISTS macrorecordindex ON t_macrorecord(record_id)",
        "CREATE TABLE IF NOT EXISTS t_light_data (light_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, name TEXT, mode INTEGER, brightness INTEGER, speed INTEGER, "
        "direction INTEGER, colorful INTEGER, colorindex INTEGER, color_value INTEGER, "
        "config_func INTEGER, reserved INTEGER, status INTEGER)",
        "CREATE INDEX IF NOT EXISTS lightindex ON t_light_data(light_id)",
        "CREATE TABLE IF NOT EXISTS t_key_light_data (keylight_id INTEGER PRIMARY KEY "
        "AUTOINCREMENT, profile INTEGER, light_id INTEGER, key_code INTEGER, key_rgb INTEGER)",
        "CREATE INDEX IF NOT EXISTS keylightindex ON t_key_light_data(keylight_id)",
    };
    return statements;
}

const std::vector<TableColumns>& SchemaTables() {
    static const std::vector<TableColumns> tables = {
        {"t_configdata", {"config_id", "profile", "key", "value"}},
        {"t_profile_data", {"profile", "name", "status", "app", "type"}},
        {"t_key_macro_data",
         {"key_id", "profile", "fn_layer", "key_code", "layout_value", "layout_desc", "macro_type",
          "macro_value", "macro_value2", "macro_value3", "macro_desc"}},
        {"t_key_otherdata", {"macro_value", "macro_desc", "param", "type"}},
        {"t_macro_data",
         {"macro_id", "name", "play_type", "play_times", "delay_type", "delay_time"}},
        {"t_macrorecord",
         {"record_id", "macro_id", "type", "record_index", "desc", "value", "delay_time"}},
        {"t_light_data",
         {"light_id", "profile", "name", "mode", "brightness", "speed", "direction", "colorful",
          "colorindex", "color_value", "config_func", "reserved", "status"}},
        {"t_key_light_data", {"keylight_id", "profile", "light_id", "key_code", "key_rgb"}},
    };
    return tables;
}

const std::vector<ConfigValue>& InsertedValues() {
    static const std::vector<ConfigValue> values = {
        {"version", "1.0.1"},
        {"light_mode", "1"},
        {"sleep_light", "10"},
        {"report_rate", "2"},
        {"button_respondtime", "8"},
        {"sensor_flag", "53"},
        {"liftoff_height", "1"},
        {"scroll_flag", "0"},
        {"move_light_flag", "1"},
        {"move_wakeUp_flag", "1"},
        {"e-sports_flag", "1"},
        {"leftbtn_lock", "1"},
        {"dpi_flag", "5"},
        {"dpi_index", "2"},
        {"dpi_count", "5"},
        {"dpi_group0_value", "800"},
        {"dpi_group1_value", "1200"},
        {"dpi_group2_value", "1600"},
        {"dpi_group3_value", "2400"},
        {"dpi_group4_value", "3200"},
        {"dpi_group5_value", "6400"},
        {"dpi_group0_rgb", "255"},
        {"dpi_group1_rgb", "16711680"},
        {"dpi_group2_rgb", "65280"},
        {"dpi_group3_rgb", "65535"},
        {"dpi_group4_rgb", "16776960"},
        {"dpi_group5_rgb", "8388736"},
    };
    return values;
}

std::vector<ConfigValue> RestoredValues(int connectionMode) {
    std::vector<ConfigValue> values = {
        {"light_mode", "0"},         {"sleep_light", "10"},
        {"move_wakeUp_flag", "1"},   {"report_rate", connectionMode == 0 ? "4" : "2"},
        {"button_respondtime", "8"}, {"sensor_flag", "53"},
        {"liftoff_height", "1"},     {"scroll_flag", "0"},
        {"move_light_flag", "0"},    {"move_wakeUp_flag", "1"},
        {"e-sports_flag", "1"},      {"leftbtn_lock", "1"},
        {"dpi_flag", "5"},           {"dpi_index", "2"},
        {"dpi_count", "5"},
    };
    // The DPI stages and their colours, the last twelve inserted rows, return to what a new
    // profile starts with.
    const std::vector<ConfigValue>& inserted = InsertedValues();
    values.insert(values.end(), inserted.end() - 12, inserted.end());
    return values;
}

}  // namespace quillon
