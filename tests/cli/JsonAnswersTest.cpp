// Every --json answer of the real quillonctl on the virtual mouse, checked against the schema
// users are given (docs/cli-json): a renamed, added or retyped key fails here.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/JsonSchema.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using namespace std::chrono_literals;

test::JsonSchema LoadSchema() {
    std::ifstream file(std::string(QUILLON_SOURCE_DIR) + "/docs/cli-json/quillonctl.schema.json");
    return test::JsonSchema(nlohmann::json::parse(file));
}

struct Answer {
    std::optional<int> status;
    std::vector<std::string> lines;  // standard output only
};

class JsonAnswersTest : public ::testing::Test {
  protected:
    // quillonctl --json with the shipped catalogue, this test's data folder and a virtual mouse
    // whose state file lives there too. "{dir}" in a word stands for the test's folder.
    Answer Quillonctl(std::vector<std::string> words, const std::string& links = "wired") {
        std::vector<std::string> argv = {QUILLONCTL,
                                         "--json",
                                         "--config",
                                         std::string(QUILLON_SOURCE_DIR) + "/data/config.xml",
                                         "--data-dir",
                                         dir_.file("data"),
                                         "--emulate=" + links + ",state=" + dir_.file("mouse")};
        for (std::string& word : words) {
            if (const auto at = word.find("{dir}"); at != std::string::npos) {
                word.replace(at, 5, dir_.path());
            }
            argv.push_back(word);
        }
        test::ChildProcess run(argv);
        Answer answer;
        while (std::optional<std::string> line = run.ReadLine(30s)) {
            answer.lines.push_back(*line);
        }
        answer.status = run.Wait(10s);
        return answer;
    }

    std::string Runtime() const { return home_.root().file("runtime/"); }

    test::IsolatedHome home_;
    test::TempDir dir_;
};

// One command line and the definition its answer follows. Rows run in order on one database and
// one mouse, so that later rows find the macros, files and settings earlier ones made. Every
// line of a watch is one event, checked against "watch-EVENT".
struct Row {
    std::vector<std::string> words;
    std::string schema;
    std::string links = "wired";
};

TEST_F(JsonAnswersTest, EveryCommandsAnswerFollowsItsSchema) {
    const test::JsonSchema schema = LoadSchema();
    std::filesystem::create_directory(dir_.file("macros"));
    const std::vector<Row> rows = {
        {{"models"}, "models"},
        {{"devices"}, "devices"},
        {{"devices"}, "devices", "receiver-asleep"},
        {{"keys"}, "keys"},
        {{"profile", "list"}, "profile-list"},
        {{"profile", "use", "2"}, "profile-use"},
        {{"profile", "export", "{dir}p.xml"}, "profile-export"},
        {{"--profile", "3", "profile", "import", "{dir}p.xml"}, "profile-import"},
        {{"get", "dpi_index"}, "get"},
        {{"get", "version"}, "get"},
        {{"set", "dpi_index", "1"}, "set"},
        {{"--no-send", "set", "light_mode", "0"}, "set"},
        {{"set", "leftbtn_lock", "0"}, "set"},
        {{"values"}, "values"},
        {{"settings"}, "settings"},
        {{"settings", "report-rate"}, "settings"},
        {{"settings", "report-rate", "500"}, "settings-set"},
        {{"settings", "stage-colour", "2", "#00ff00"}, "settings-set", "bluetooth"},
        {{"macro", "new"}, "macro-named"},
        {{"macro", "steps", "1", "+A", "t50", "-A", "+LB", "-LB"}, "macro-steps"},
        {{"macro", "copy", "1"}, "macro-named"},
        {{"macro", "rename", "2", "Jump & run"}, "macro-named"},
        {{"macro", "list"}, "macro-list"},
        {{"macro", "show", "1"}, "macro-show"},
        {{"macro", "export", "1", "{dir}macros"}, "macro-export"},
        {{"buttons"}, "buttons"},
        {{"button", "set", "2", "emoji:5"}, "button-set"},
        {{"button", "set", "4", "macro:2"}, "button-set"},
        {{"button", "set", "5", "key:ctrl+shift+A"}, "button-set"},
        {{"button", "functions"}, "button-functions"},
        {{"macro", "delete", "2"}, "macro-delete"},
        {{"buttons"}, "buttons"},
        {{"read"}, "read"},
        {{"apply"}, "apply"},
        {{"info"}, "info"},
        {{"dpi"}, "dpi"},
        {{"dpi", "set", "2", "1650"}, "dpi-set"},
        {{"dpi", "select", "3"}, "dpi-select"},
        {{"rate"}, "rate"},
        {{"rate", "125"}, "rate-set"},
        {{"--no-send", "rate", "1000"}, "rate-set"},
        {{"--once", "watch"}, "watch"},
        {{"restore-defaults"}, "restore-defaults"},
        {{"restore-defaults"}, "restore-defaults", "bluetooth"},
        {{"--yes", "reset"}, "reset"},
    };
    for (const Row& row : rows) {
        std::string line = row.links;
        for (const std::string& word : row.words) {
            line += " " + word;
        }
        SCOPED_TRACE(line);
        const Answer answer = Quillonctl(row.words, row.links);
        EXPECT_EQ(answer.status, 0);
        ASSERT_FALSE(answer.lines.empty());
        if (row.schema != "watch") {
            EXPECT_EQ(answer.lines.size(), 1u) << "one answer is one line";
        }
        for (const std::string& text : answer.lines) {
            const nlohmann::json value = nlohmann::json::parse(text);
            const std::string name =
                row.schema == "watch" ? "watch-" + value.value("event", "") : row.schema;
            EXPECT_EQ(schema.Check(value, "#/$defs/" + name), std::vector<std::string>{}) << text;
        }
    }
}

// A failure under --json is one error object on stdout, its message the one stderr shows and
// its code the exit status, whether the command line did not parse or the command failed.
TEST_F(JsonAnswersTest, FailuresAnswerWithTheErrorObject) {
    const test::JsonSchema schema = LoadSchema();
    struct Failure {
        std::vector<std::string> words;
        int status;
        std::string links = "wired";
    };
    const std::vector<Failure> failures = {
        {{"frobnicate"}, 64},
        {{"models", "--bogus"}, 64},
        {{"dpi", "set", "7", "800"}, 64},
        {{"rate", "300"}, 64},
        {{"set", "report_rate", "9"}, 64},
        {{"button", "set", "4", "fly"}, 64},
        {{"profile", "use"}, 64},
        {{"macro", "show", "42"}, 1},
        {{"profile", "import", "{dir}missing.xml"}, 1},
        {{"read"}, 2, "bluetooth"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.words[0] + " " + failure.words.back());
        const Answer answer = Quillonctl(failure.words, failure.links);
        EXPECT_EQ(answer.status, failure.status);
        ASSERT_EQ(answer.lines.size(), 1u);
        const nlohmann::json value = nlohmann::json::parse(answer.lines[0]);
        EXPECT_EQ(schema.Check(value, "#/$defs/error"), std::vector<std::string>{}) << value;
        EXPECT_EQ(value["code"], failure.status);
    }
}

// show and quit answer once the window took the request; the probe listens as the window does.
TEST_F(JsonAnswersTest, WindowRequestsFollowTheirSchema) {
    const test::JsonSchema schema = LoadSchema();
    test::ChildProcess window({SINGLE_INSTANCE_PROBE, Runtime(), "window"});
    ASSERT_EQ(window.ReadLine(10s), "ready");
    for (const std::string command : {"show", "quit"}) {
        const Answer answer = Quillonctl({command});
        EXPECT_EQ(answer.status, 0) << command;
        ASSERT_EQ(answer.lines.size(), 1u) << command;
        const nlohmann::json value = nlohmann::json::parse(answer.lines[0]);
        EXPECT_EQ(schema.Check(value, "#/$defs/window-request"), std::vector<std::string>{});
        EXPECT_EQ(value["request"], command);
    }
    EXPECT_EQ(window.Wait(10s), 0);
}

// A name another program stored with bytes that are not UTF-8 still gives a whole answer: the
// bad bytes become U+FFFD, the rest passes through, and the command succeeds.
TEST_F(JsonAnswersTest, NamesThatAreNotUtf8AreAnsweredWithReplacementCharacters) {
    ASSERT_EQ(Quillonctl({"profile", "list"}).status, 0);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dir_.file("data/db/Q1_data_rdn.db").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "UPDATE t_profile_data SET name = CAST(X'476Fff21' AS TEXT) "
                           "WHERE profile = 2",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    ASSERT_EQ(Quillonctl({"macro", "new"}).status, 0);
    ASSERT_EQ(Quillonctl({"macro", "rename", "1", "Sprung \xc3\xbc\xfe"}).status, 0);

    const Answer profiles = Quillonctl({"profile", "list"});
    EXPECT_EQ(profiles.status, 0);
    ASSERT_EQ(profiles.lines.size(), 1u);
    EXPECT_EQ(nlohmann::json::parse(profiles.lines[0])["profiles"][1]["name"], "Go\xef\xbf\xbd!");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"macro", "list"}, {"macro", "show", "1"}}) {
        const Answer macros = Quillonctl(words);
        EXPECT_EQ(macros.status, 0) << words[1];
        ASSERT_EQ(macros.lines.size(), 1u) << words[1];
        const nlohmann::json value = nlohmann::json::parse(macros.lines[0]);
        const nlohmann::json& macro = words[1] == "list" ? value["macros"][0] : value;
        EXPECT_EQ(macro["name"], "Sprung \xc3\xbc\xef\xbf\xbd") << words[1];
    }
}

}  // namespace
}  // namespace quillon
