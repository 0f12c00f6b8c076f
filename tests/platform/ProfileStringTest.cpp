#include <gtest/gtest.h>

#include <string>

#include "platform/ProfileString.h"
#include "platform/Utf16.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

std::string Utf16Le(const std::string& utf8, bool withMark = true) {
    std::string bytes = withMark ? std::string("\xFF\xFE") : std::string();
    for (char16_t unit : Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string Utf16Be(const std::string& utf8) {
    std::string bytes = "\xFE\xFF";
    for (char16_t unit : Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

struct LookupCase {
    const char* name;
    std::string file;  // UTF-8 unless encoded by the case
    const char* section;
    const char* key;
    std::string expected;
};

TEST(ProfileFile, ReadsEntriesAsTheWindowsProfileReaderDoes) {
    const LookupCase cases[] = {
        {"plain entry", "[LAN]\n12=Exit\n", "LAN", "12", "Exit"},
        {"leading zero is another key", "[LAN]\n012=Exit\n", "LAN", "12", ""},
        {"blanks around key and value trimmed", "[LAN]\n  12 \t=  Exit now \t\r\n", "LAN", "12",
         "Exit now"},
        {"section and key names ignore case", "[lan]\nAbc=x\n", "LAN", "aBC", "x"},
        {"blanks inside the brackets count", "[ LAN ]\n12=x\n", "LAN", "12", "x"},
        {"missing section", "[OTHER]\n12=x\n", "LAN", "12", ""},
        {"key of another section", "[A]\n12=a\n[LAN]\n13=b\n", "LAN", "12", ""},
        {"entry before any section", "12=x\n[LAN]\n", "LAN", "12", ""},
        {"first of two entries wins", "[LAN]\n12=first\n12=second\n", "LAN", "12", "first"},
        {"a section given twice keeps adding", "[LAN]\n1=a\n[X]\n[LAN]\n2=b\n", "LAN", "2", "b"},
        {"equals signs after the first belong to the value", "[LAN]\n5=a=b\n", "LAN", "5", "a=b"},
        {"no escape processing", "[LAN]\n5=a\\nb %s\n", "LAN", "5", "a\\nb %s"},
        {"one pair of matching quotes removed", "[LAN]\n5=\"Exit\"\n", "LAN", "5", "Exit"},
        {"unmatched quotes kept", "[LAN]\n5='Exit\"\n", "LAN", "5", "'Exit\""},
        {"line without equals has an empty value", "[LAN]\n5\n", "LAN", "5", ""},
        {"carriage returns alone end lines", "[LAN]\r5=a\r6=b", "LAN", "6", "b"},
        {"UTF-8 mark skipped", "\xEF\xBB\xBF[LAN]\n5=\xE9\x80\x80\xE5\x87\xBA\n", "LAN", "5",
         "\xE9\x80\x80\xE5\x87\xBA"},
        {"UTF-16LE with mark", Utf16Le("[LAN]\r\n12=\xE9\x80\x80\xE5\x87\xBA\r\n"), "LAN", "12",
         "\xE9\x80\x80\xE5\x87\xBA"},
        {"UTF-16BE with mark", Utf16Be("[LAN]\r\n12=Exit\r\n"), "LAN", "12", "Exit"},
        {"UTF-16 without mark is not UTF-16", Utf16Le("[LAN]\r\n12=Exit\r\n", false), "LAN", "12",
         ""},
        {"bad UTF-8 bytes become replacement characters",
         "[LAN]\n5=a\xFF"
         "b\n",
         "LAN", "5",
         "a\xEF\xBF\xBD"
         "b"},
        {"empty file", "", "LAN", "12", ""},
    };
    for (const LookupCase& c : cases) {
        EXPECT_EQ(ProfileFile::Parse(c.file).Get(c.section, c.key), c.expected) << c.name;
    }
}

TEST(ProfileFile, CutsLongValuesAt259Units) {
    std::string longValue(300, 'x');
    ProfileFile file = ProfileFile::Parse("[LAN]\n1=" + longValue + "\n2=" + std::string(259, 'y'));
    EXPECT_EQ(file.Get("LAN", "1"), std::string(259, 'x'));
    EXPECT_EQ(file.Get("LAN", "2"), std::string(259, 'y'));

    // A character outside the basic plane takes two units; the cut never splits it.
    std::string emoji = "\xF0\x9F\x98\x80";
    std::string value = std::string(258, 'z') + emoji;
    EXPECT_EQ(ProfileFile::Parse("[LAN]\n1=" + value).Get("LAN", "1"), std::string(258, 'z'));
    EXPECT_EQ(ProfileFile::Parse("[LAN]\n1=" + std::string(257, 'z') + emoji).Get("LAN", "1"),
              std::string(257, 'z') + emoji);
}

TEST(ProfileFile, LoadGivesAnEmptyProfileForUnreadableFiles) {
    test::TempDir dir;
    EXPECT_EQ(ReadProfileString(dir.file("missing.lan"), "LAN", "12"), "");
    EXPECT_EQ(ReadProfileString(dir.path(), "LAN", "12"), "");  // a folder, not a file

    dir.write("odd.lan", "\xFF\xFE\x5B");  // a mark and half a character
    EXPECT_EQ(ReadProfileString(dir.file("odd.lan"), "LAN", "12"), "");

    dir.write("good.lan", Utf16Le("[LAN]\r\n12=Exit\r\n"));
    EXPECT_EQ(ReadProfileString(dir.file("good.lan"), "LAN", "12"), "Exit");
}

}  // namespace
}  // namespace quillon
