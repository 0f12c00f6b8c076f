#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SqlHelpers.h"
#include "StoreFixture.h"

namespace quillon::test {
namespace {

using Columns = std::vector<std::pair<std::string, std::string>>;

const std::vector<std::pair<std::string, Columns>> kExpectedTables = {
    {"t_configdata",
     {{"config_id", "INTEGER"}, {"profile", "INTEGER"}, {"key", "TEXT"}, {"value", "TEXT"}}},
    {"t_profile_data",
     {{"profile", "INTEGER"},
      {"name", "TEXT"},
      {"status", "INTEGER"},
      {"app", "TEXT"},
      {"type", "INTEGER"}}},
    {"t_key_macro_data",
     {{"key_id", "INTEGER"},
      {"profile", "INTEGER"},
      {"fn_layer", "INTEGER"},
      {"key_code", "INTEGER"},
      {"layout_value", "INTEGER"},
      {"layout_desc", "TEXT"},
      {"macro_type", "INTEGER"},
      {"macro_value", "INTEGER"},
      {"macro_value2", "INTEGER"},
      {"macro_value3", "INTEGER"},
      {"macro_desc", "TEXT"}}},
    {"t_key_otherdata",
     {{"macro_value", "INTEGER"}, {"macro_desc", "TEXT"}, {"param", "TEXT"}, {"type", "INTEGER"}}},
    {"t_macro_data",
     {{"macro_id", "INTEGER"},
      {"name", "TEXT"},
      {"play_type", "INTEGER"},
      {"play_times", "INTEGER"},
      {"delay_type", "INTEGER"},
      {"delay_time", "INTEGER"}}},
    {"t_macrorecord",
     {{"record_id", "INTEGER"},
      {"macro_id", "INTEGER"},
      {"type", "INTEGER"},
      {"record_index", "INTEGER"},
      {"desc", "TEXT"},
      {"value", "INTEGER"},
      {"delay_time", "INTEGER"}}},
    {"t_light_data",
     {{"light_id", "INTEGER"},
      {"profile", "INTEGER"},
      {"name", "TEXT"},
      {"mode", "INTEGER"},
      {"brightness", "INTEGER"},
      {"speed", "INTEGER"},
      {"direction", "INTEGER"},
      {"colorful", "INTEGER"},
      {"colorindex", "INTEGER"},
      {"color_value", "INTEGER"},
      {"config_func", "INTEGER"},
      {"reserved", "INTEGER"},
      {"status", "INTEGER"}}},
    {"t_key_light_data",
     {{"keylight_id", "INTEGER"},
      {"profile", "INTEGER"},
      {"light_id", "INTEGER"},
      {"key_code", "INTEGER"},
      {"key_rgb", "INTEGER"}}},
};

// The 27 keys of a new profile with their values, in insertion order.
const std::vector<std::pair<std::string, std::string>> kInserted = {
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

using SchemaTest = StoreFixture;

TEST_F(SchemaTest, NewFileHoldsEveryTableWithItsColumnsInOrderAndNoRows) {
    std::vector<std::string> tables;
    for (const auto& [table, columns] : kExpectedTables) {
        tables.push_back(table);
        SqlRows info = QuerySql(DbPath(), "PRAGMA table_info(" + table + ")");
        ASSERT_EQ(info.size(), columns.size()) << table;
        for (size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(info[i][1], columns[i].first) << table;
            EXPECT_EQ(info[i][2], columns[i].second) << table << "." << columns[i].first;
            EXPECT_EQ(info[i][5], i == 0 ? "1" : "0") << table << "." << columns[i].first;
        }
        EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM " + table),
                  std::vector<std::string>{"0"});
    }
    // Creation order, with SQLite's autoincrement bookkeeping after the first table.
    tables.insert(tables.begin() + 1, "sqlite_sequence");
    EXPECT_EQ(QueryColumn(DbPath(),
                          "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY "
                          "rowid"),
              tables);
    EXPECT_EQ(
        QueryColumn(DbPath(), "SELECT name FROM sqlite_master WHERE sql LIKE '%AUTOINCREMENT%'")
            .size(),
        8u);
}

TEST_F(SchemaTest, SevenIndexesEachOnItsTablesKey) {
    SqlRows indexes = QuerySql(
        DbPath(),
        "SELECT m.name, m.tbl_name, i.name FROM sqlite_master m, pragma_index_info(m.name) i "
        "WHERE m.type = 'index' ORDER BY m.rowid");
    SqlRows expected = {
        {"profileindex", "t_profile_data", "profile"},
        {"keyindex", "t_key_macro_data", "key_id"},
        {"otheridindex", "t_key_otherdata", "macro_value"},
        {"macroidindex", "t_macro_data", "macro_id"},
        {"macrorecordindex", "t_macrorecord", "record_id"},
        {"lightindex", "t_light_data", "light_id"},
        {"keylightindex", "t_key_light_data", "keylight_id"},
    };
    EXPECT_EQ(indexes, expected);
}

TEST_F(SchemaTest, EveryDefaultProfileGetsThe27KeysInOrder) {
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    for (int profile = 1; profile <= 5; ++profile) {
        SqlRows rows = QuerySql(DbPath(), "SELECT key, value FROM t_configdata WHERE profile = " +
                                              std::to_string(profile) + " ORDER BY config_id");
        ASSERT_EQ(rows.size(), kInserted.size()) << profile;
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i], (std::vector<std::string>{kInserted[i].first, kInserted[i].second}));
        }
    }
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_configdata"),
              std::vector<std::string>{"135"});
}

TEST_F(SchemaTest, RestoringDefaultsWritesTheRestoreValuesAndKeepsVersion) {
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    QuerySql(DbPath(), "UPDATE t_configdata SET value = 'x'");
    QuerySql(DbPath(), "DELETE FROM t_configdata WHERE profile = 2 AND key = 'sleep_light'");

    for (int mode : {0, 1, 2}) {
        store.ResetProfileValues(2, mode);
        std::string value;
        for (const auto& [key, inserted] : kInserted) {
            bool found = store.GetValue(2, key, value);
            if (key == "sleep_light") {
                EXPECT_FALSE(found) << "a restore never creates a row";
            } else if (key == "version") {
                EXPECT_EQ(value, "x");
            } else if (key == "report_rate") {
                EXPECT_EQ(value, mode == 0 ? "4" : "2") << "connection mode " << mode;
            } else if (key == "light_mode" || key == "move_light_flag") {
                EXPECT_EQ(value, "0") << key << " restores to 0 although it starts at 1";
            } else {
                EXPECT_EQ(value, inserted) << key;
            }
        }
    }
    std::string other;
    ASSERT_TRUE(store.GetValue(1, "dpi_index", other));
    EXPECT_EQ(other, "x") << "other profiles are untouched";
}

// Rows in every table the reset clears, including the optional ones when present.
void FillEveryTable(SettingsStore& store, const std::string& path, bool optionalTables) {
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    KeyAssignment key;
    key.profile = 1;
    key.key_code = 3;
    key.macro_value = 7;
    ASSERT_NE(store.SaveKeyAssignment(key), 0);
    int macro = store.AddMacro("m");
    ASSERT_NE(macro, 0);
    MacroItem item;
    item.macro_id = macro;
    ASSERT_NE(store.InsertMacroItem(item), 0);
    QuerySql(path, "INSERT INTO t_key_otherdata(macro_desc) VALUES ('o')");
    QuerySql(path, "INSERT INTO t_light_data(name) VALUES ('l')");
    QuerySql(path, "INSERT INTO t_key_light_data(key_code) VALUES (1)");
    if (optionalTables) {
        for (const char* table : {"t_customlight_data", "t_customrgb_data", "t_musiclayer_data"}) {
            QuerySql(path, std::string("CREATE TABLE ") + table +
                               " (id INTEGER PRIMARY KEY AUTOINCREMENT, v INTEGER)");
            QuerySql(path, std::string("INSERT INTO ") + table + "(v) VALUES (1)");
        }
    }
}

TEST_F(SchemaTest, ClearAllEmptiesEveryTableAndRestartsTheIds) {
    for (bool optionalTables : {false, true}) {
        SCOPED_TRACE(optionalTables ? "with the optional tables" : "without them");
        FillEveryTable(store, DbPath(), optionalTables);
        store.ClearAll();
        std::vector<std::string> tables =
            QueryColumn(DbPath(), "SELECT name FROM sqlite_master WHERE type = 'table'");
        EXPECT_EQ(tables.size(), optionalTables ? 12u : 9u);
        for (const std::string& table : tables) {
            EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM " + table),
                      std::vector<std::string>{"0"})
                << table;
        }
        // The next fill starts over at id 1, as in a new file.
        EXPECT_EQ(store.EnsureDefaultProfiles(), 1);
        EXPECT_EQ(QueryColumn(DbPath(), "SELECT profile FROM t_profile_data"),
                  (std::vector<std::string>{"1", "2", "3", "4", "5"}));
        EXPECT_EQ(QueryColumn(DbPath(), "SELECT min(config_id) FROM t_configdata"),
                  std::vector<std::string>{"1"});
        store.ClearAll();
    }
}

TEST_F(SchemaTest, OpenAndClearResetsTheModelsFile) {
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    store.Close();
    store.OpenAndClear(dir.path(), "Q1");
    EXPECT_TRUE(store.IsOpened());
    EXPECT_EQ(QueryColumn(DbPath(), "SELECT count(*) FROM t_profile_data"),
              std::vector<std::string>{"0"});
}

}  // namespace
}  // namespace quillon::test
