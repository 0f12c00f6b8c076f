#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon::test {
namespace {

// quillonctl with the shipped catalogue and a data folder of its own.
class ButtonMacroCommandsTest : public ::testing::Test {
  protected:
    ButtonMacroCommandsTest() { setenv("QUILLON_RESOURCE_DIR", QUILLON_BIN_DIR, 1); }
    ~ButtonMacroCommandsTest() override { unsetenv("QUILLON_RESOURCE_DIR"); }

    CliResult Run(std::vector<std::string> words) {
        words.insert(words.begin(), {"--data-dir", data.path()});
        return RunCli(words);
    }
    // Runs a command that must succeed and returns what it printed.
    std::string Ok(std::vector<std::string> words) {
        const CliResult result = Run(words);
        EXPECT_EQ(result.status, 0) << result.err;
        return result.out;
    }
    // The same with --json, parsed.
    nlohmann::json Answer(std::vector<std::string> words) {
        words.insert(words.begin(), "--json");
        return nlohmann::json::parse(Ok(words));
    }

    IsolatedHome home;
    TempDir data;
};

TEST_F(ButtonMacroCommandsTest, ButtonsShowDefaultsAndTakeEveryKindOfFunction) {
    EXPECT_EQ(Answer({"buttons"}), nlohmann::json::parse(R"({"profile":1,"buttons":[
        {"key_code":1,"type":1,"value":1,"value2":0,"name":"Left button"},
        {"key_code":2,"type":3,"value":1,"value2":0,"name":"Right button"},
        {"key_code":3,"type":2,"value":1,"value2":0,"name":"Middle button"},
        {"key_code":4,"type":5,"value":1,"value2":0,"name":"Forward"},
        {"key_code":5,"type":6,"value":1,"value2":0,"name":"Backward"},
        {"key_code":7,"type":7,"value":1,"value2":0,"name":"Wheel up"},
        {"key_code":8,"type":8,"value":1,"value2":0,"name":"Wheel down"}]})"));

    Ok({"macro", "new"});
    struct Case {
        const char* key;
        const char* function;
        const char* json;
    };
    const Case cases[] = {
        {"2", "dpi-cycle", R"({"key_code":2,"type":17,"value":1,"value2":0,"name":"DPI cycle"})"},
        {"3", "key:ctrl+alt+Delete",
         R"({"key_code":3,"type":22,"value":76,"value2":5,"name":"Ctrl+ Alt + Delete"})"},
        {"4", "media:next", R"({"key_code":4,"type":25,"value":5,"value2":0,"name":"Next track"})"},
        {"5", "system:5", R"({"key_code":5,"type":26,"value":5,"value2":0,"name":"Show desktop"})"},
        {"7", "macro:1", R"({"key_code":7,"type":23,"value":1,"value2":0,"name":"Custom 1"})"},
        {"8", "emoji:3",
         R"j({"key_code":8,"type":27,"value":3,"value2":0,"name":"emoji 3 ([色])"})j"},
        {"8", "disable", R"({"key_code":8,"type":24,"value":1,"value2":0,"name":"Disabled"})"},
        {"8", "default", R"({"key_code":8,"type":8,"value":1,"value2":0,"name":"Wheel down"})"},
    };
    for (const Case& c : cases) {
        const nlohmann::json answer = Answer({"button", "set", c.key, c.function});
        EXPECT_EQ(answer["profile"], 1) << c.function;
        EXPECT_EQ(answer["stored"], true) << c.function;
        const nlohmann::json button = nlohmann::json::parse(c.json);
        for (const auto& [key, value] : button.items()) {
            EXPECT_EQ(answer[key], value) << c.function << ": " << key;
        }
        const nlohmann::json listed = Answer({"buttons"})["buttons"];
        EXPECT_NE(std::find(listed.begin(), listed.end(), button), listed.end())
            << "buttons shows what button set answered: " << c.function;
    }
    // The assignment text the window stores stays the emoji function's name.
    Ok({"button", "set", "8", "emoji:3"});
    EXPECT_NE(Ok({"buttons"}).find("8   27   3      0      emoji 3 ([色])"), std::string::npos);
    EXPECT_NE(Ok({"--profile", "2", "buttons"}).find("2   3    1      0      Right button"),
              std::string::npos)
        << "other profiles keep their buttons";
}

TEST_F(ButtonMacroCommandsTest, ButtonSetRefusals) {
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"button", "set", "1", "right"}, 1, "locked; unlock it with 'set leftbtn_lock 0'"},
        {{"button", "set", "6", "left"}, 64, "KEY must be one of 1, 2, 3, 4, 5, 7, 8, not '6'"},
        {{"button", "set", "4", "fly"}, 64, "unknown function 'fly'"},
        {{"button", "set", "4", "macro:9"}, 1, "there is no macro 9"},
        {{"button", "set", "4"}, 64, "usage: button set"},
    };
    for (const Case& c : cases) {
        const CliResult result = Run(c.words);
        EXPECT_EQ(result.status, c.status) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    Ok({"set", "leftbtn_lock", "0"});
    EXPECT_EQ(Ok({"button", "set", "1", "middle"}),
              "profile 1, button 1: Middle button, stored; no mouse connected — `quillonctl "
              "apply` sends it later.\n");
}

TEST_F(ButtonMacroCommandsTest, MacroCommandsCreateCopyRenameAndDelete) {
    EXPECT_EQ(Ok({"macro", "new"}), "created macro 1 \"Custom 1\"\n");
    EXPECT_EQ(Answer({"macro", "copy", "1"}),
              (nlohmann::json{{"id", 2}, {"name", "Custom 1 Copy"}}));
    Ok({"button", "set", "4", "macro:2"});
    EXPECT_EQ(Ok({"macro", "rename", "2", "Jump & run"}), "renamed macro 2 \"Jump & run\"\n");
    EXPECT_NE(Ok({"buttons"}).find("4   23   2      0      Jump & run"), std::string::npos);
    EXPECT_EQ(Answer({"macro", "list"}), nlohmann::json::parse(R"({"macros":[
        {"id":1,"name":"Custom 1","item_count":0},{"id":2,"name":"Jump & run","item_count":0}]})"));
    EXPECT_EQ(Answer({"macro", "show", "2"}),
              nlohmann::json::parse(R"({"id":2,"name":"Jump & run","play_type":0,"play_times":1,
                  "delay_type":1,"delay_time":0,"item_count":0,"items":[]})"));
    EXPECT_EQ(Ok({"macro", "delete", "1"}), "deleted macro 1 \"Custom 1\"\n") << "no button ran it";
    EXPECT_EQ(Run({"macro", "show", "1"}).status, 1);
    EXPECT_EQ(Run({"macro", "delete", "0"}).status, 64);
    EXPECT_EQ(Run({"macro", "rename", "2", ""}).status, 64);
    EXPECT_EQ(Run({"macro", "frobnicate"}).status, 64);

    for (int i = 0; i < 31; ++i) {
        Ok({"macro", "new"});
    }
    for (const char* verb : {"new", "copy"}) {
        std::vector<std::string> words = {"macro", verb};
        if (std::string(verb) == "copy") {
            words.push_back("2");
        }
        const CliResult full = Run(words);
        EXPECT_EQ(full.status, 1) << verb;
        EXPECT_NE(full.err.find("at most 32 macros"), std::string::npos) << full.err;
    }
}

// A deleted macro's buttons keep their assignment, as in the window; the command names them,
// and the buttons list shows them as deleted instead of by the old name.
TEST_F(ButtonMacroCommandsTest, DeletingAMacroNamesTheButtonsThatStillRunIt) {
    Ok({"macro", "new"});
    Ok({"macro", "new"});
    Ok({"button", "set", "4", "macro:1"});
    Ok({"--profile", "3", "button", "set", "5", "macro:1"});
    Ok({"button", "set", "7", "macro:2"});
    EXPECT_EQ(Ok({"macro", "delete", "1"}),
              "deleted macro 1 \"Custom 1\", stored; no mouse connected — `quillonctl apply` "
              "sends it later.\nstill assigned to it, playing nothing until given "
              "another function: profile 1 button 4, profile 3 button 5\n");
    EXPECT_NE(Ok({"buttons"}).find("4   23   1      0      macro (deleted)\n"), std::string::npos);
    EXPECT_NE(Ok({"buttons"}).find("7   23   2      0      Custom 2\n"), std::string::npos);
    const nlohmann::json deleted = Answer({"macro", "delete", "2"});
    EXPECT_EQ(deleted["id"], 2);
    EXPECT_EQ(deleted["name"], "Custom 2");
    EXPECT_EQ(deleted["buttons"], nlohmann::json::parse(R"([{"profile":1,"key_code":7}])"));
}

TEST_F(ButtonMacroCommandsTest, ExchangeFilesRoundTripThroughTheCommandLine) {
    Ok({"macro", "new"});
    Ok({"macro", "rename", "1", "../x"});
    std::filesystem::create_directory(data.file("out"));
    const CliResult exported = Run({"--json", "macro", "export", "1", data.file("out")});
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(data.file("out"))) {
        files.push_back(entry.path());
    }
    ASSERT_EQ(files.size(), 1u) << "the macro file stays inside the folder";
    EXPECT_EQ(files[0].filename().string().substr(0, 5), ".._x-");
    EXPECT_EQ(Ok({"macro", "import", files[0].string()}), "imported macro 2 \"../x\"\n");

    Ok({"button", "set", "3", "key:shift+F5"});
    Ok({"set", "report_rate", "3"});
    Ok({"profile", "export", data.file("p.xml")});
    Ok({"--profile", "4", "profile", "import", data.file("p.xml")});
    nlohmann::json imported = Answer({"--profile", "4", "buttons"});
    EXPECT_EQ(imported["profile"], 4);
    EXPECT_EQ(imported["buttons"], Answer({"buttons"})["buttons"]);
    EXPECT_EQ(Ok({"--profile", "4", "get", "report_rate"}), "3\n");

    data.write("bad.xml",
               "<profile><profileinfo><Mouse><report_rate value=\"200\"/></Mouse>"
               "</profileinfo></profile>");
    const CliResult refused = Run({"--profile", "4", "profile", "import", data.file("bad.xml")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("<report_rate>: value \"200\""), std::string::npos) << refused.err;
    EXPECT_EQ(Ok({"--profile", "4", "get", "report_rate"}), "3\n");
    EXPECT_EQ(Run({"macro", "import", data.file("missing.xml")}).status, 1);
}

}  // namespace
}  // namespace quillon::test
