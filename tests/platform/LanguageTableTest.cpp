#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/Utf16.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

std::string Utf16Le(const std::string& utf8) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// Every text id the windows, pages and message boxes ask for.
std::vector<int> TextIdsInUse() {
    std::vector<int> ids = {
        5,   6,   12,  20,  21,  22,  23,  25,  26,  27,  30,  31,  32,  36,  39,  50,  51,  52,
        53,  54,  56,  57,  71,  72,  73,  74,  76,  101, 103, 111, 112, 113, 114, 115, 121, 122,
        123, 124, 125, 127, 128, 150, 151, 152, 153, 154, 155, 160, 161, 162, 163, 164, 170, 171,
        175, 176, 177, 179, 180, 181, 182, 185, 186, 187, 188, 189, 190, 191, 193, 194, 200, 201,
        210, 212, 249, 252, 253, 255, 256, 257, 258, 259, 260, 261, 275, 276, 350, 351, 352, 353,
        355, 385, 500, 560, 561, 573, 581, 582, 585, 586, 587, 610, 611, 613, 616, 617, 618, 650,
        651, 652, 653, 654, 657, 658, 659, 670, 671, 672, 675, 676};
    auto addRange = [&ids](int first, int last) {
        for (int id = first; id <= last; ++id) {
            ids.push_back(id);
        }
    };
    addRange(357, 368);
    addRange(386, 398);
    addRange(400, 403);
    addRange(405, 415);
    addRange(531, 537);
    addRange(575, 579);
    addRange(600, 603);
    addRange(605, 608);
    addRange(630, 641);
    // Function names of the button catalogue and the default profile names.
    for (int id : {90, 91, 126, 129, 130, 156, 178, 192, 800, 801, 811, 821, 831}) {
        ids.push_back(id);
    }
    return ids;
}

TEST(LanguageFiles, BothShippedLanguagesHoldEveryTextId) {
    LanguageTable table(std::string(QUILLON_BIN_DIR) + "/language");
    for (int language : {1033, 2052}) {
        for (int id : TextIdsInUse()) {
            EXPECT_FALSE(table.Text(language, id).empty())
                << "language " << language << " id " << id;
        }
    }
    EXPECT_EQ(table.Text(1033, 12), "Exit");
    EXPECT_EQ(table.Text(2052, 12), "\xE9\x80\x80\xE5\x87\xBA");
}

TEST(LanguageFiles, ShippedFilesAreUtf16WithMark) {
    for (const char* name : {"/language/1033.lan", "/language/2052.lan"}) {
        std::ifstream in(std::string(QUILLON_BIN_DIR) + name, std::ios::binary);
        char mark[2] = {};
        ASSERT_TRUE(in.read(mark, 2)) << name;
        EXPECT_EQ(std::string(mark, 2), "\xFF\xFE") << name;
    }
}

class LanguageTableTest : public ::testing::Test {
  protected:
    void Write(int language, const std::string& body) {
        dir_.write(std::to_string(language) + ".lan", Utf16Le("[LAN]\r\n" + body));
    }
    test::TempDir dir_;
    LanguageTable table_{dir_.path()};
};

TEST_F(LanguageTableTest, FollowsTheLanguageAndTheFileOnDisk) {
    Write(1033, "12=Exit\r\n");
    Write(2052, "12=\xE9\x80\x80\xE5\x87\xBA\r\n");
    EXPECT_EQ(table_.Text(1033, 12), "Exit");
    EXPECT_EQ(table_.Text(2052, 12), "\xE9\x80\x80\xE5\x87\xBA");
    EXPECT_EQ(table_.Text(1033, 13), "");
    EXPECT_EQ(table_.Text(1031, 12), "") << "no fallback to another language";

    Write(1033, "12=Quit the program\r\n");
    EXPECT_EQ(table_.Text(1033, 12), "Quit the program") << "an edited file is read again";

    std::filesystem::remove(dir_.file("1033.lan"));
    EXPECT_EQ(table_.Text(1033, 12), "") << "a deleted file gives empty texts";
}

TEST_F(LanguageTableTest, MissingFolderGivesEmptyTexts) {
    LanguageTable nowhere(dir_.file("no-such-folder"));
    EXPECT_EQ(nowhere.Text(1033, 12), "");
}

TEST(GetText, ReadsTheCurrentLanguageFromTheResourceFolder) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.file("language"));
    dir.write("language/1033.lan", Utf16Le("[LAN]\r\n12=Exit\r\n"));
    dir.write("language/2052.lan", Utf16Le("[LAN]\r\n12=\xE9\x80\x80\xE5\x87\xBA\r\n"));
    const char* previous = std::getenv("QUILLON_RESOURCE_DIR");
    std::string saved = previous != nullptr ? previous : "";
    setenv("QUILLON_RESOURCE_DIR", dir.path().c_str(), 1);
    int savedLanguage = CurrentLanguageId();

    SetCurrentLanguageId(1033);
    EXPECT_EQ(GetText(12), "Exit");
    SetCurrentLanguageId(2052);
    EXPECT_EQ(GetText(12), "\xE9\x80\x80\xE5\x87\xBA") << "a switch takes effect at the next call";
    EXPECT_EQ(GetText(12, "OTHER"), "");

    SetCurrentLanguageId(savedLanguage);
    if (previous != nullptr) {
        setenv("QUILLON_RESOURCE_DIR", saved.c_str(), 1);
    } else {
        unsetenv("QUILLON_RESOURCE_DIR");
    }
}

}  // namespace
}  // namespace quillon
