#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "SqlHelpers.h"
#include "store/SettingsStore.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace quillon::test {
namespace {

std::vector<std::string> FolderListing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A settings database with a few pages of content, closed.
void MakeFullDatabase(const std::string& dataFolder) {
    SettingsStore store;
    ASSERT_TRUE(store.OpenForDevice(dataFolder, "Q1"));
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    for (int i = 0; i < 200; ++i) {
        store.AddMacro("macro with a long enough name to fill the pages " + std::to_string(i));
    }
}

TEST(DatabaseFileTest, OpeningAMissingFileCreatesFolderFileAndSchema) {
    TempDir dir;
    SettingsStore store;
    EXPECT_FALSE(store.IsOpened());
    EXPECT_TRUE(store.OpenForDevice(dir.path() + "data", "Q1"));
    EXPECT_TRUE(store.IsOpened());
    EXPECT_EQ(store.DatabasePath(), dir.file("data/db/Q1_data_rdn.db"));
    EXPECT_EQ(store.LastProblem(), DatabaseFileState::Ours);
    EXPECT_EQ(QueryColumn(store.DatabasePath(),
                          "SELECT count(*) FROM sqlite_master WHERE type = 'table'"),
              std::vector<std::string>{"9"});
}

TEST(DatabaseFileTest, AFolderThatCannotBeMadeIsNamedWithTheReason) {
    TempDir dir;
    dir.write("db", "a file where the folder should be");
    dir.write("data", "a file above the folder");
    for (const std::string& folder : {dir.path(), dir.file("data/inner")}) {
        SettingsStore store;
        EXPECT_FALSE(store.OpenForDevice(folder, "Q1"));
        EXPECT_EQ(store.LastProblem(), DatabaseFileState::NotAFolder) << folder;
        EXPECT_FALSE(store.IsOpened());
    }
}

TEST(DatabaseFileTest, ReopeningKeepsWhatWasStored) {
    TempDir dir;
    {
        SettingsStore store;
        ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
        ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
        ASSERT_TRUE(store.SetActiveProfile(3));
        ASSERT_TRUE(store.SetValue(3, "dpi_index", "4"));
    }
    EXPECT_EQ(FolderListing(dir.file("db")), std::vector<std::string>{"Q1_data_rdn.db"});
    SettingsStore store;
    ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
    EXPECT_EQ(store.EnsureDefaultProfiles(), 3);
    std::string value;
    EXPECT_TRUE(store.GetValue(3, "dpi_index", value));
    EXPECT_EQ(value, "4");
}

TEST(DatabaseFileTest, AnOpenConnectionIsKeptUntilTheCatalogueStepReopens) {
    TempDir dir;
    {
        SettingsStore other;
        ASSERT_TRUE(other.OpenForDevice(dir.path(), "Q2"));
    }
    SettingsStore store;
    ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);

    // The file exists and a connection is open: that connection, to Q1, stays.
    EXPECT_TRUE(store.OpenForDevice(dir.path(), "Q2"));
    std::vector<ProfileRecord> profiles;
    EXPECT_EQ(store.LoadProfiles(profiles), 5);

    EXPECT_TRUE(store.OpenSettingsDatabase(dir.path(), "Q2"));
    EXPECT_EQ(store.LoadProfiles(profiles), 0);
    EXPECT_EQ(store.DatabasePath(), dir.file("db/Q2_data_rdn.db"));
}

TEST(DatabaseFileTest, ModelKeyCannotLeadOutOfTheDatabaseFolder) {
    TempDir dir;
    SettingsStore store;
    ASSERT_TRUE(store.OpenForDevice(dir.path(), "../../evil"));
    EXPECT_EQ(store.DatabasePath(), dir.file("db/.._.._evil_data_rdn.db"));
    EXPECT_TRUE(fs::exists(dir.file("db/.._.._evil_data_rdn.db")));
    // An empty key (no catalogue model) or one with control characters opens nothing at all.
    for (std::string key : {"", "Q1\n", "Q\x1b[2J"}) {
        EXPECT_FALSE(store.OpenSettingsDatabase(dir.path(), key));
        EXPECT_FALSE(store.IsOpened());
        EXPECT_EQ(store.LastProblem(), DatabaseFileState::NoModel);
    }
    EXPECT_EQ(FolderListing(dir.file("db")), std::vector<std::string>{".._.._evil_data_rdn.db"});
}

struct BadFile {
    const char* name;
    std::function<void(const TempDir&, const std::string&)> make;
    DatabaseFileState state;
};

// Names the case in test listings instead of dumping the object's bytes.
void PrintTo(const BadFile& file, std::ostream* out) {
    *out << file.name;
}

class BadDatabaseFileTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadDatabaseFileTest, IsRefusedLeftUntouchedAndEveryOperationFailsSoftly) {
    TempDir dir;
    fs::create_directories(dir.file("db"));
    std::string path = dir.file("db/Q1_data_rdn.db");
    GetParam().make(dir, path);
    std::string before = dir.read("db/Q1_data_rdn.db");
    std::vector<std::string> listing = FolderListing(dir.file("db"));

    SettingsStore store;
    EXPECT_FALSE(store.OpenForDevice(dir.path(), "Q1"));
    EXPECT_FALSE(store.IsOpened());
    EXPECT_EQ(store.LastProblem(), GetParam().state);
    EXPECT_FALSE(DescribeProblem(GetParam().state).empty());

    std::string value = "stale";
    EXPECT_FALSE(store.GetValue(1, "dpi_index", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(store.SetValue(1, "dpi_index", "3"));
    EXPECT_EQ(store.EnsureDefaultProfiles(), 0);
    KeyAssignment key;
    key.macro_value = 1;
    EXPECT_EQ(store.SaveKeyAssignment(key), 0);
    EXPECT_EQ(store.AddMacro("m"), 0);
    std::vector<MacroItem> items(3);
    store.InsertMacroItems(items);
    store.ClearAll();
    std::vector<MacroHeader> macros;
    EXPECT_EQ(store.LoadMacros(macros), 0);
    EXPECT_FALSE(store.RemoveMacro(1));
    store.Close();

    EXPECT_TRUE(dir.read("db/Q1_data_rdn.db") == before) << "the file must keep its bytes";
    EXPECT_EQ(FolderListing(dir.file("db")), listing) << "no journal or log left beside it";
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDatabaseFileTest,
    ::testing::Values(
        BadFile{"Text",
                [](const TempDir& d, const std::string&) {
                    d.write("db/Q1_data_rdn.db", "these are my notes, not a database\n");
                },
                DatabaseFileState::NotDatabase},
        BadFile{"Binary",
                [](const TempDir& d, const std::string&) {
                    std::string bytes(8192, '\0');
                    for (size_t i = 0; i < bytes.size(); ++i) {
                        bytes[i] = static_cast<char>(i * 7 + 3);
                    }
                    d.write("db/Q1_data_rdn.db", bytes);
                },
                DatabaseFileState::NotDatabase},
        BadFile{"TruncatedToHalf",
                [](const TempDir& d, const std::string& path) {
                    MakeFullDatabase(d.path());
                    fs::resize_file(path, fs::file_size(path) / 2);
                },
                DatabaseFileState::Damaged},
        BadFile{"TruncatedInsideTheHeader",
                [](const TempDir& d, const std::string& path) {
                    MakeFullDatabase(d.path());
                    fs::resize_file(path, 60);
                },
                DatabaseFileState::Damaged},
        BadFile{"CorruptPages",
                [](const TempDir& d, const std::string& path) {
                    MakeFullDatabase(d.path());
                    std::string bytes = d.read("db/Q1_data_rdn.db");
                    for (size_t i = 4096; i < bytes.size(); i += 97) {
                        bytes[i] = static_cast<char>(~bytes[i]);
                    }
                    d.write("db/Q1_data_rdn.db", bytes);
                    (void)path;
                },
                DatabaseFileState::Damaged},
        BadFile{"AnotherProgramsDatabase",
                [](const TempDir&, const std::string& path) {
                    QuerySql(path,
                             "PRAGMA journal_mode = DELETE; CREATE TABLE users (id INTEGER, "
                             "name TEXT); INSERT INTO users VALUES (1, 'ann')");
                },
                DatabaseFileState::Foreign},
        BadFile{"OurTableNameWithOtherColumns",
                [](const TempDir&, const std::string& path) {
                    QuerySql(path,
                             "PRAGMA journal_mode = DELETE; CREATE TABLE t_configdata (a "
                             "TEXT, b TEXT)");
                },
                DatabaseFileState::Foreign},
        BadFile{"Folder",
                [](const TempDir&, const std::string& path) { fs::create_directory(path); },
                DatabaseFileState::Unreadable}),
    [](const ::testing::TestParamInfo<BadFile>& param) { return param.param.name; });

TEST(DatabaseFileTest, AnEmptyOrHalfCreatedFileIsCompleted) {
    for (const char* setup : {"",
                              "CREATE TABLE t_configdata (config_id INTEGER PRIMARY KEY "
                              "AUTOINCREMENT, profile INTEGER, key TEXT, value TEXT)"}) {
        TempDir dir;
        fs::create_directories(dir.file("db"));
        std::string path = dir.file("db/Q1_data_rdn.db");
        if (*setup == '\0') {
            dir.write("db/Q1_data_rdn.db", "");
        } else {
            QuerySql(path, setup);
        }
        SettingsStore store;
        EXPECT_TRUE(store.OpenForDevice(dir.path(), "Q1")) << setup;
        EXPECT_EQ(store.EnsureDefaultProfiles(), 1);
        EXPECT_EQ(QueryColumn(path, "SELECT count(*) FROM sqlite_master WHERE type = 'table'"),
                  std::vector<std::string>{"9"});
    }
}

// A file that lost its profile rows (the table dropped or emptied by hand or by another tool)
// gets the five profiles back with the value rows it still holds, not a second copy of them.
TEST(DatabaseFileTest, LostProfileRowsComeBackWithoutASecondCopyOfTheValues) {
    for (const char* loss : {"DROP TABLE t_profile_data", "DELETE FROM t_profile_data"}) {
        SCOPED_TRACE(loss);
        TempDir dir;
        const std::string path = dir.file("db/Q1_data_rdn.db");
        {
            SettingsStore store;
            ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
            ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
            ASSERT_TRUE(store.SetValue(3, "dpi_index", "4"));
        }
        QuerySql(path, loss);
        QuerySql(path, "DELETE FROM t_configdata WHERE profile = 5 AND key = 'sleep_light'");
        SettingsStore store;
        ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
        EXPECT_EQ(store.EnsureDefaultProfiles(), 1);
        EXPECT_EQ(QueryColumn(path, "SELECT profile || name FROM t_profile_data"),
                  (std::vector<std::string>{"1800", "2801", "3811", "4821", "5831"}));
        EXPECT_EQ(QueryColumn(path, "SELECT count(*) FROM t_configdata"),
                  std::vector<std::string>{"135"});
        std::string value;
        EXPECT_TRUE(store.GetValue(3, "dpi_index", value));
        EXPECT_EQ(value, "4") << "the values the file kept are the profile's again";
        EXPECT_TRUE(store.GetValue(5, "sleep_light", value)) << "a missing key is added";
        EXPECT_EQ(value, "10");
    }
}

TEST(DatabaseFileTest, AFileLeftWithItsLogByACrashKeepsEveryCommittedChange) {
    TempDir running;
    TempDir crashed;
    fs::create_directories(crashed.file("db"));
    SettingsStore store;
    ASSERT_TRUE(store.OpenForDevice(running.path(), "Q1"));
    ASSERT_EQ(store.EnsureDefaultProfiles(), 1);
    ASSERT_TRUE(store.SetValue(1, "dpi_index", "5"));
    // What the disk holds if the power goes now: the committed changes sit in the log.
    for (const char* suffix : {"", "-wal"}) {
        fs::copy_file(running.file("db/Q1_data_rdn.db") + suffix,
                      crashed.file("db/Q1_data_rdn.db") + suffix);
    }
    ASSERT_GT(fs::file_size(crashed.file("db/Q1_data_rdn.db-wal")), 0u);

    SettingsStore after;
    ASSERT_TRUE(after.OpenForDevice(crashed.path(), "Q1"));
    std::string value;
    EXPECT_TRUE(after.GetValue(1, "dpi_index", value));
    EXPECT_EQ(value, "5");
    EXPECT_EQ(after.EnsureDefaultProfiles(), 1);
}

TEST(DatabaseFileTest, ExtraTablesAndTrailingColumnsDoNotMakeAFileForeign) {
    TempDir dir;
    std::string path = dir.file("db/Q1_data_rdn.db");
    {
        SettingsStore store;
        ASSERT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
    }
    QuerySql(path,
             "CREATE TABLE t_musiclayer_data (id INTEGER); CREATE TABLE later (x); ALTER "
             "TABLE t_macro_data ADD COLUMN added INTEGER");
    SettingsStore store;
    EXPECT_TRUE(store.OpenForDevice(dir.path(), "Q1"));
    EXPECT_NE(store.AddMacro("m"), 0);
}

}  // namespace
}  // namespace quillon::test
