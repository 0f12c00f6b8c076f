#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Paths.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

TEST(Paths, FoldersFollowXdgVariablesAndEndInSlash) {
    test::IsolatedHome home;
    EXPECT_EQ(DataFolder(), home.root().file("data/") + "Quillon Mouse MouseDbFiles/");
    EXPECT_EQ(ConfigFolder(), home.root().file("config/") + "Quillon Mouse/");
    EXPECT_EQ(RuntimeFolder(), home.root().file("runtime/"));

    SetDataFolder(home.root().file("elsewhere"));
    EXPECT_EQ(DataFolder(), home.root().file("elsewhere/"));
}

TEST(Paths, ResourceFolderIsBesideTheProgramOrInTheShareFolderOfItsTree) {
    test::TempDir dir;
    ASSERT_TRUE(CreateFolderPath(dir.file("build/bin")));
    ASSERT_TRUE(CreateFolderPath(dir.file("moved/prefix/bin")));
    dir.write("build/bin/config.xml", "<root/>");
    const struct {
        std::string exeFolder;
        std::string expected;
    } cases[] = {
        {dir.file("build/bin/"), dir.file("build/bin/")},
        {dir.file("moved/prefix/bin/"), dir.file("moved/prefix/share/quillon-mouse/")},
        {dir.file("moved/prefix/bin/../bin/"), dir.file("moved/prefix/share/quillon-mouse/")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResourceFolderFor(c.exeFolder), c.expected) << c.exeFolder;
    }
}

TEST(Paths, CreateFolderPathMakesEveryMissingParent) {
    test::TempDir dir;
    const std::string deep = dir.file("a/b/c/db");
    EXPECT_TRUE(CreateFolderPath(deep));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(CreateFolderPath(deep)) << "an existing folder succeeds";

    dir.write("plain", "x");
    EXPECT_FALSE(CreateFolderPath(dir.file("plain/sub"))) << "a file in the way fails";
    EXPECT_FALSE(CreateFolderPath(""));
}

}  // namespace
}  // namespace quillon
