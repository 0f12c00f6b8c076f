#include <gtest/gtest.h>

#include "support/CliRun.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

TEST(ModelsCommand, PrintsTheShippedCatalogueAsJson) {
    test::CliResult r = test::RunCli(
        {"--config", std::string(QUILLON_SOURCE_DIR) + "/data/config.xml", "--json", "models"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(
        r.out.find(R"("models":[{"name":"Quillon Q1","device_type":101,"device_attr":"Q1"}])"),
        std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(R"("mode":0,"vid":"1915","pid":"ae1c")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("hid_interface":"MI_01&COL02")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("software":{"version":"1.0.0")"), std::string::npos) << r.out;
}

TEST(ModelsCommand, AnUnreadableCatalogueWarnsAndPrintsEmptyLists) {
    test::TempDir dir;
    dir.write("broken.xml", "<config><device>");
    for (const std::string file : {"broken.xml", "missing.xml"}) {
        test::CliResult r = test::RunCli({"models", "--config", dir.file(file), "--json"});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.err.find("warning: cannot read the device catalogue"), std::string::npos);
        EXPECT_NE(r.out.find(R"({"models":[],"modes":[],"software":{"version":"")"),
                  std::string::npos)
            << r.out;
    }
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
