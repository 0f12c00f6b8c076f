#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "store/SQLiteDB.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon::test {
namespace {

// quillonctl with the shipped catalogue (model key "Q1"), found the way an installed copy finds
// it, and a data folder of its own.
class StoreCommandsTest : public ::testing::Test {
  protected:
    StoreCommandsTest() { setenv("QUILLON_RESOURCE_DIR", QUILLON_BIN_DIR, 1); }
    ~StoreCommandsTest() override { unsetenv("QUILLON_RESOURCE_DIR"); }

    CliResult Run(std::vector<std::string> words) {
        words.insert(words.begin(), {"--data-dir", data.path()});
        return RunCli(words);
    }
    std::string DbPath() const { return data.file("db/Q1_data_rdn.db"); }

    IsolatedHome home;
    TempDir data;
};

TEST_F(StoreCommandsTest, FirstUseCreatesTheDatabaseWithTheFiveProfiles) {
    CliResult json = Run({"--json", "profile", "list"});
    ASSERT_EQ(json.status, 0) << json.err;
    // Stored names are text ids ("800"); both forms show the words the window shows.
    nlohmann::json profiles = nlohmann::json::array();
    for (int profile = 1; profile <= 5; ++profile) {
        profiles.push_back({{"profile", profile},
                            {"name", "Profile " + std::to_string(profile)},
                            {"active", profile == 1}});
    }
    EXPECT_EQ(nlohmann::json::parse(json.out), (nlohmann::json{{"profiles", profiles}}));
    EXPECT_TRUE(std::filesystem::exists(DbPath()));

    CliResult text = Run({"profile", "list"});
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(text.out,
              "id  name        status\n"
              "1   Profile 1   active\n"
              "2   Profile 2\n"
              "3   Profile 3\n"
              "4   Profile 4\n"
              "5   Profile 5\n");
}

TEST_F(StoreCommandsTest, ProfileUseMarksTheProfileThatLaterCommandsAddress) {
    CliResult use = Run({"--json", "profile", "use", "3"});
    ASSERT_EQ(use.status, 0) << use.err;
    EXPECT_EQ(nlohmann::json::parse(use.out), (nlohmann::json{{"profile", 3},
                                                              {"name", "Profile 3"},
                                                              {"active", true},
                                                              {"stored", true},
                                                              {"sent", false}}));
    EXPECT_NE(Run({"profile", "list"}).out.find("3   Profile 3   active"), std::string::npos);

    EXPECT_EQ(Run({"set", "dpi_index", "4"}).out,
              "profile 3: dpi_index = 4, stored; no mouse connected — `quillonctl apply` sends it "
              "later.\n");
    EXPECT_EQ(Run({"--profile", "3", "get", "dpi_index"}).out, "4\n");
    EXPECT_EQ(Run({"--profile", "1", "get", "dpi_index"}).out, "2\n");
    ASSERT_EQ(Run({"--profile", "5", "set", "dpi_index", "0"}).status, 0);
    EXPECT_EQ(Run({"get", "dpi_index"}).out, "4\n") << "--profile does not change the active one";
    EXPECT_EQ(Run({"--profile", "5", "--json", "get", "dpi_index"}).out,
              R"({"profile":5,"key":"dpi_index","value":0})"
              "\n");
}

TEST_F(StoreCommandsTest, ValuesListsThe27KeysOfTheProfile) {
    CliResult json = Run({"--json", "values"});
    ASSERT_EQ(json.status, 0) << json.err;
    // Whole numbers as numbers; the one value that is text stays a string.
    const nlohmann::ordered_json answer = nlohmann::ordered_json::parse(json.out);
    EXPECT_EQ(answer["profile"], 1);
    const nlohmann::ordered_json& values = answer["values"];
    ASSERT_EQ(values.size(), 27u) << json.out;
    EXPECT_EQ(values.begin().key(), "version");
    EXPECT_EQ(values["version"], "1.0.1");
    EXPECT_EQ(values["light_mode"], 1);
    EXPECT_EQ(values["dpi_group5_rgb"], 8388736);

    CliResult text = Run({"values"});
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 27);
    EXPECT_NE(text.out.find("dpi_group1_value     1200\n"), std::string::npos) << text.out;
}

TEST_F(StoreCommandsTest, MistakesGetOneLineAndTheirExitStatus) {
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"get", "no_such_key"}, 1, "profile 1 has no value 'no_such_key'"},
        {{"set", "no_such_key", "5"}, 1, "unknown key 'no_such_key'"},
        {{"set", "dpi_index", "fast"}, 64, "must be a whole number, not 'fast'"},
        {{"set", "dpi_index", "3 "}, 64, "must be a whole number"},
        {{"set", "dpi_index"}, 64, "usage: set KEY VALUE"},
        {{"get"}, 64, "usage: get KEY"},
        {{"values", "extra"}, 64, "usage: values"},
        {{"profile"}, 64, "usage: profile list | profile use N"},
        {{"profile", "use", "9"}, 64, "N must be a whole number from 1 to 5, not '9'"},
        {{"profile", "use", "two"}, 64, "N must be a whole number from 1 to 5, not 'two'"},
        {{"--config", "/nonexistent/config.xml", "values"},
         1,
         "cannot read the device catalogue: /nonexistent/config.xml: No such file"},
    };
    for (const Case& c : cases) {
        CliResult result = Run(c.words);
        EXPECT_EQ(result.status, c.status) << c.words[0];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(Run({"get", "dpi_index"}).out, "2\n") << "nothing was changed";
}

TEST_F(StoreCommandsTest, AFileThatIsNotADatabaseIsNamedAndLeftAsItIs) {
    std::filesystem::create_directories(data.file("db"));
    const std::string bytes = "my shopping list\nmilk\n";
    data.write("db/Q1_data_rdn.db", bytes);
    for (std::vector<std::string> words : {std::vector<std::string>{"profile", "list"},
                                           {"profile", "use", "2"},
                                           {"get", "dpi_index"},
                                           {"set", "dpi_index", "3"},
                                           {"values"}}) {
        CliResult result = Run(words);
        EXPECT_EQ(result.status, 1) << words[0];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "quillonctl: settings database '" + DbPath() +
                                  "' is not an SQLite database; it was left untouched\n");
    }
    EXPECT_EQ(data.read("db/Q1_data_rdn.db"), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data.file("db")),
                            std::filesystem::directory_iterator()),
              1);
}

// The file is an ordinary SQLite 3 file: the sqlite3 program reads it as it is.
TEST_F(StoreCommandsTest, TheSqliteProgramReadsTheCreatedFile) {
    ASSERT_EQ(Run({"set", "dpi_group0_value", "900"}).status, 0);
    std::string command = "sqlite3 -readonly '" + DbPath() +
                          "' \"SELECT count(*), sum(key = 'dpi_group0_value' AND value = '900') "
                          "FROM t_configdata\" 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    int status = pclose(pipe);
    if (status != 0 && output.find("not found") != std::string::npos) {
        GTEST_SKIP() << "the sqlite3 program is not installed";
    }
    EXPECT_EQ(output, "135|1\n");
}

TEST_F(StoreCommandsTest, ACatalogueWithoutAUsableModelOpensNoDatabase) {
    TempDir catalogues;
    const struct {
        const char* device;
        const char* reason;
    } cases[] = {
        {"<mouse name=\"Other\" device_type=\"102\" device_attr=\"X9\"/>",
         "no model of device type 101 with a device_attr"},
        {"<mouse name=\"Q\" device_type=\"101\" device_attr=\"\"/>",
         "no model of device type 101 with a device_attr"},
        {"<mouse name=\"Q\" device_type=\"101\" device_attr=\"Q&#10;1\"/>",
         "its device_attr holds control characters"},
        {"<mouse name=\"Q\" device_type=\"101\" device_attr=\"Q\x1b[2J\"/>",
         "its device_attr holds control characters"},
    };
    for (const auto& c : cases) {
        catalogues.write("c.xml",
                         std::string("<config><device>") + c.device + "</device></config>");
        CliResult result = Run({"--config", catalogues.file("c.xml"), "profile", "list"});
        EXPECT_EQ(result.status, 1) << c.device;
        EXPECT_NE(result.err.find("names no supported model (" + std::string(c.reason) + ")"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(data.file("db")));
}

TEST_F(StoreCommandsTest, AValueTheProfileLacksIsNeverReportedAsStored) {
    ASSERT_EQ(Run({"profile", "list"}).status, 0);
    {
        SQLiteDB db;
        ASSERT_TRUE(db.Open(DbPath(), kOpenReadWrite));
        ASSERT_EQ(db.Exec("DELETE FROM t_configdata WHERE profile = 1 AND key IN "
                          "('dpi_group0_value', 'dpi_index', 'report_rate')"),
                  kSqlOk);
    }
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"dpi", "set", "1", "900"},
                                               {"dpi", "select", "2"},
                                               {"rate", "500"},
                                               {"set", "report_rate", "3"}}) {
        CliResult result = Run(words);
        EXPECT_EQ(result.status, 1) << words[0];
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("unknown key '"), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace quillon::test
