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
