#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/CliContext.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every refusal of the command line itself: the usage status, one line on stderr that says what
// is wrong and what would be right, and under --json the same message as an object on stdout.
TEST(CommandLine, RefusalsSayWhatIsWrongWithTheUsageStatus) {
    struct Case {
        std::vector<std::string> words;
        const char* message;
    };
    const Case cases[] = {
        {{"frobnicate"}, "unknown command 'frobnicate' (see --help)"},
        {{"models", "--bogus"}, "unknown option '--bogus' (see --help)"},
        {{"--profile", "6", "models"}, "--profile must be a whole number from 1 to 5, not '6'"},
        {{"--data-dir=", "models"}, "--data-dir needs a value"},
        {{"profile", "use", "9"}, "profile use: N must be a whole number from 1 to 5, not '9'"},
        {{"dpi", "set", "7", "800"}, "dpi set: STAGE must be a whole number from 1 to 6, not '7'"},
        {{"dpi", "set", "1", "8OO"}, "dpi set: VALUE must be a whole number, not '8OO'"},
        {{"dpi", "set", "1"}, "dpi set: VALUE is required; usage: dpi set STAGE VALUE"},
        {{"dpi", "frob"}, "usage: dpi | dpi set STAGE VALUE | dpi select STAGE"},
        {{"rate", "300"}, "rate: HZ must be one of 125, 250, 500, 1000, not '300'"},
        {{"rate", "500", "1000"}, "rate: '1000' was not expected"},
        {{"button", "set", "6", "left"}, "KEY must be one of 1, 2, 3, 4, 5, 7, 8, not '6'"},
        {{"macro", "show", "0"}, "ID must be a whole number of at least 1, not '0'"},
        {{"macro", "rename", "1", ""}, "NAME must not be empty"},
        {{"macro", "steps", "1"}, "STEP is required"},
        {{"profile"},
         "usage: profile list | profile use N | profile export FILE | "
         "profile import FILE"},
        {{"read", "now"}, "read: 'now' was not expected; usage: read"},
        {{"models", "--", "--json"}, "models: '--json' was not expected"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const test::CliResult text = test::RunCli(c.words);
        EXPECT_EQ(text.status, 64);
        EXPECT_EQ(text.out, "");
        EXPECT_TRUE(Has(text.err, c.message)) << text.err;
        ASSERT_EQ(text.err.rfind("quillonctl: ", 0), 0u) << text.err;
        EXPECT_EQ(std::count(text.err.begin(), text.err.end(), '\n'), 1) << text.err;

        if (std::find(c.words.begin(), c.words.end(), "--") != c.words.end()) {
            continue;  // after "--" a --json would be an argument
        }
        std::vector<std::string> words = c.words;
        words.push_back("--json");
        const test::CliResult json = test::RunCli(words);
        EXPECT_EQ(json.status, 64);
        EXPECT_EQ(
            test::ParsedOut(json),
            (nlohmann::json{{"error", text.err.substr(12, text.err.size() - 13)}, {"code", 64}}));
    }
}

// Each form has a help of its own naming its arguments and what they take; the program's help
// lists every form and the exit statuses.
TEST(CommandLine, EveryFormHasItsHelp) {
    const test::CliResult whole = test::RunCli({"--help"});
    EXPECT_EQ(whole.status, 0);
    EXPECT_TRUE(Has(whole.out, "Exit status:\n  0   success\n  1   "));
    EXPECT_TRUE(Has(whole.out, "\n  64  usage error"));
    for (const cli::CommandForm& form : cli::AllCommandForms()) {
        std::vector<std::string> words(form.words.begin(), form.words.end());
        std::string name;
        for (const std::string& word : words) {
            name += (name.empty() ? "" : " ") + word;
        }
        SCOPED_TRACE(name);
        EXPECT_TRUE(Has(whole.out, "\n  " + name)) << "listed in --help";
        words.push_back("--help");
        const test::CliResult help = test::RunCli(words);
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(Has(help.out, "Usage: quillonctl " + name)) << help.out;
        EXPECT_TRUE(Has(help.out, "Exit status:"));
        for (const cli::Argument& argument : form.arguments) {
            EXPECT_TRUE(Has(help.out, std::string("\n  ") + argument.name)) << help.out;
        }
    }
    EXPECT_TRUE(Has(test::RunCli({"dpi", "set", "--help"}).out, "a whole number from 1 to 6"));
}

// Global options stand anywhere, also among macro steps, whose "-A" releases a key: the steps
// are taken in order and the options still apply.
TEST(CommandLine, OptionsStandAnywhereAndStepsKeepTheirDashes) {
    test::IsolatedHome home;
    test::TempDir dir;
    const std::vector<std::string> base = {"--data-dir", dir.file("data"), "--config",
                                           std::string(QUILLON_SOURCE_DIR) + "/data/config.xml"};
    auto run = [&base](std::vector<std::string> words) {
        words.insert(words.begin(), base.begin(), base.end());
        return test::RunCli(words);
    };
    ASSERT_EQ(run({"macro", "new"}).status, 0);
    EXPECT_EQ(run({"--json", "macro", "list"}).out, run({"macro", "list", "--json"}).out);

    const test::CliResult steps =
        run({"macro", "steps", "1", "+A", "--json", "-A", "--no-send", "+LB", "--", "-LB"});
    ASSERT_EQ(steps.status, 0) << steps.err;
    EXPECT_EQ(test::ParsedOut(steps)["item_count"], 4);
    const nlohmann::json shown = test::ParsedOut(run({"--json", "macro", "show", "1"}));
    ASSERT_EQ(shown["items"].size(), 4u);
    std::vector<int> types;
    for (const nlohmann::json& item : shown["items"]) {
        types.push_back(item["type"].get<int>());
    }
    EXPECT_EQ(types, (std::vector<int>{2, 3, 4, 5})) << "press A, release A, press LB, release LB";
}

}  // namespace
}  // namespace quillon
