#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

TEST(ModelsCommand, PrintsTheShippedCatalogueAsJson) {
    test::CliResult r = test::RunCli(
        {"--config", std::string(QUILLON_SOURCE_DIR) + "/data/config.xml", "--json", "models"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const nlohmann::json answer = nlohmann::json::parse(r.out);
    EXPECT_EQ(
        answer["models"],
        (nlohmann::json{{{"name", "Quillon Q1"}, {"device_type", 101}, {"device_attr", "Q1"}}}));
    const nlohmann::json& wired = answer["modes"][0];
    EXPECT_EQ(wired["connection_mode"], 0);
    EXPECT_EQ(wired["vid"], "1915");
    EXPECT_EQ(wired["pid"], "ae1c");
    EXPECT_EQ(wired["hid_interface"], "MI_01&COL02");
    EXPECT_EQ(answer["software"]["version"], "1.0.0");
}

TEST(ModelsCommand, ANamedCatalogueThatCannotBeReadIsAnError) {
    test::TempDir dir;
    dir.write("broken.xml", "<config><device>");
    dir.write("other.xml", "<other/>");
    const struct {
        const char* file;
        const char* reason;
    } cases[] = {
        {"broken.xml", "broken.xml: not well-formed XML"},
        {"missing.xml", "missing.xml: No such file or directory"},
        {"other.xml", "other.xml: not a device catalogue"},
        {"", ": not a regular file (a folder)"},
    };
    for (const auto& c : cases) {
        test::CliResult r = test::RunCli({"models", "--config", dir.file(c.file), "--json"});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(std::string("cannot read the device catalogue: ") + dir.path()),
                  std::string::npos)
            << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_EQ(test::ParsedOut(r),
                  (nlohmann::json{{"error", r.err.substr(12, r.err.size() - 13)}, {"code", 1}}));
    }
}

// Without a shipped catalogue (a bare build tree) the lists are empty, with a warning.
TEST(ModelsCommand, AMissingShippedCatalogueWarnsAndPrintsEmptyLists) {
    test::TempDir resources;
    setenv("QUILLON_RESOURCE_DIR", resources.path().c_str(), 1);
    test::CliResult r = test::RunCli({"models", "--json"});
    unsetenv("QUILLON_RESOURCE_DIR");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("warning: cannot read the device catalogue"), std::string::npos);
    EXPECT_NE(r.out.find(R"({"models":[],"modes":[],"software":{"version":"")"), std::string::npos)
        << r.out;
}

TEST(Cli, RejectsUnknownCommandsAndOptionsWithUsageStatus) {
    EXPECT_EQ(test::RunCli({"frobnicate"}).status, 64);
    EXPECT_EQ(test::RunCli({"--bogus", "models"}).status, 64);
    EXPECT_EQ(test::RunCli({"--profile", "6", "models"}).status, 64);
    EXPECT_EQ(test::RunCli({}).status, 64);
    EXPECT_EQ(test::RunCli({"models", "--", "--json"}).status, 64)
        << "after -- words are arguments";
    test::CliResult help = test::RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("models"), std::string::npos);
}

}  // namespace
}  // namespace quillon
