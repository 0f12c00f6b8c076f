#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/Registry.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using OpenResult = RegistryKey::OpenResult;

std::string ReadBack(const std::string& file, const std::string& name) {
    RegistryKey key(file);
    EXPECT_EQ(key.Open(), OpenResult::Opened);
    return key.ReadString(name).value_or("<missing>");
}

TEST(Registry, RewriteKeepsEveryOtherLineAndMatchesNamesLikeTheRegistry) {
    test::TempDir dir;
    dir.write("key.ini",
              "# hand-written\n[SOFTWARE\\Quillon Mouse]\nOther=keep me\r\nlcid = 1031\n");
    RegistryKey key(dir.file("key.ini"));
    ASSERT_EQ(key.Open(), OpenResult::Opened);
    EXPECT_EQ(key.ReadString("LCID"), " 1031");
    EXPECT_EQ(key.ReadString("other"), "keep me");
    EXPECT_EQ(key.ReadString("DeviceType"), std::nullopt);

    ASSERT_TRUE(key.WriteString("LCID", "2052"));
    ASSERT_TRUE(key.WriteString("DeviceType", "101"));
    EXPECT_EQ(key.ReadString("lcid"), "2052");
    EXPECT_EQ(dir.read("key.ini"),
              "# hand-written\n[SOFTWARE\\Quillon Mouse]\nOther=keep me\nLCID=2052\n"
              "DeviceType=101\n");
}

TEST(Registry, OddValuesRoundTripAndUnreadableOnesAreRefused) {
    test::TempDir dir;
    RegistryKey key(dir.file("key.ini"));
    ASSERT_TRUE(key.Create());
    const std::vector<std::string> oddValues = {"",    " padded ",  "a=b=c",          "#no comment",
                                                "[x]", "tab\there", "Ünïcödé 中文 😀", "\\\\x\\y"};
    for (const std::string& value : oddValues) {
        ASSERT_TRUE(key.WriteString("Value", value)) << value;
        EXPECT_EQ(ReadBack(key.file(), "Value"), value);
    }
    const std::string before = dir.read("key.ini");
    const std::vector<std::string> badValues = {"two\nlines", "carriage\rreturn",
                                                std::string("nul\0x", 5)};
    for (const std::string& value : badValues) {
        EXPECT_FALSE(key.WriteString("Value", value)) << value;
    }
    for (const char* name : {"", " Value", "Value ", "a=b", "[x", "#x", ";x", "x\ny"}) {
        EXPECT_FALSE(key.WriteString(name, "1")) << name;
    }
    EXPECT_EQ(dir.read("key.ini"), before);
}

TEST(Registry, OpenTellsAMissingKeyFromOneThatCannotBeRead) {
    test::TempDir dir;
    EXPECT_EQ(RegistryKey(dir.file("missing.ini")).Open(), OpenResult::NotFound);
    EXPECT_EQ(RegistryKey(dir.file("no/such/folder/key.ini")).Open(), OpenResult::NotFound);

    std::filesystem::create_directory(dir.file("folder.ini"));
    EXPECT_EQ(RegistryKey(dir.file("folder.ini")).Open(), OpenResult::Failed);
    EXPECT_FALSE(RegistryKey(dir.file("folder.ini")).Create());

    dir.write("huge.ini", std::string(200 * 1024, 'x'));
    EXPECT_EQ(RegistryKey(dir.file("huge.ini")).Open(), OpenResult::Failed);

    RegistryKey missing(dir.file("missing.ini"));
    EXPECT_FALSE(missing.WriteString("LCID", "1033")) << "a write needs an existing key";
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.ini")));
}

TEST(Registry, MalformedContentIsKeptAndDoesNotDisturbTheValues) {
    test::TempDir dir;
    const std::string junk = std::string("\0\xff\xfe=\x01", 5) + "\n\n==\nno equals sign\n=orphan";
    dir.write("key.ini", junk);
    RegistryKey key(dir.file("key.ini"));
    ASSERT_EQ(key.Open(), OpenResult::Opened);
    EXPECT_EQ(key.ReadString("LCID"), std::nullopt);
    ASSERT_TRUE(key.WriteString("LCID", "2052"));
    EXPECT_EQ(ReadBack(key.file(), "LCID"), "2052");
    EXPECT_EQ(dir.read("key.ini"), junk + "\nLCID=2052\n");
}

TEST(Registry, CreateMakesTheFoldersAndKeepsAnExistingKey) {
    test::TempDir dir;
    RegistryKey key(dir.file("a/b/key.ini"));
    ASSERT_TRUE(key.Create());
    EXPECT_EQ(key.Open(), OpenResult::Opened);
    struct stat info {};
    ASSERT_EQ(stat(key.file().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_TRUE(key.WriteString("LCID", "1033"));
    ASSERT_TRUE(key.Create());
    EXPECT_EQ(ReadBack(key.file(), "LCID"), "1033");
}

TEST(Registry, WritesReplaceTheFileWholeAndLeaveNoTemporaryFiles) {
    test::TempDir dir;
    dir.write("key.ini", "LCID=1033\nDeviceType=101\n");
    // A reader that opened the file before the write still sees the whole old file: the new
    // content arrives by rename, never by truncating and refilling the old file.
    std::ifstream earlyReader(dir.file("key.ini"));
    RegistryKey key(dir.file("key.ini"));
    ASSERT_EQ(key.Open(), OpenResult::Opened);
    ASSERT_TRUE(key.WriteString("LCID", "2052"));
    std::ostringstream seen;
    seen << earlyReader.rdbuf();
    EXPECT_EQ(seen.str(), "LCID=1033\nDeviceType=101\n");
    EXPECT_EQ(dir.read("key.ini"), "LCID=2052\nDeviceType=101\n");

    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(Registry, WritersInParallelLoseNoValue) {
    test::TempDir dir;
    ASSERT_TRUE(RegistryKey(dir.file("key.ini")).Create());
    auto writer = [&](const std::string& name) {
        RegistryKey key(dir.file("key.ini"));
        for (int i = 1; i <= 20; ++i) {
            key.WriteString(name, std::to_string(i));
        }
    };
    std::thread first(writer, "First");
    std::thread second(writer, "Second");
    first.join();
    second.join();
    EXPECT_EQ(ReadBack(dir.file("key.ini"), "First"), "20");
    EXPECT_EQ(ReadBack(dir.file("key.ini"), "Second"), "20");
}

}  // namespace
}  // namespace quillon
