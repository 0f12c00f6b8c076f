#include <gtest/gtest.h>

#include <filesystem>

#include "store/MacroFile.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

MacroItem Item(int index, int type, int value, int stamp, std::string desc) {
    MacroItem item;
    item.record_index = index;
    item.type = type;
    item.value = value;
    item.delay_time = stamp;
    item.desc = std::move(desc);
    return item;
}

MacroFileContent Content() {
    MacroFileContent content;
    content.header.name = "Custom 1 <fast>";
    content.header.play_type = 0;
    content.header.play_times = 3;
    content.header.delay_type = 2;
    content.header.delay_time = 40;
    content.items = {Item(0, 2, 0x41, 100, "↓  A"), Item(1, 1, 40, 100, " -   40 ms"),
                     Item(2, 3, 0x41, 100, "↑  A")};
    return content;
}

TEST(MacroFile, FileNamesStayInsideTheChosenFolder) {
    struct Case {
        const char* name;
        std::uint32_t tick;
        const char* file;
    };
    const Case cases[] = {
        {"Custom 1", 1234, "Custom 1-1234.xml"},
        {"../x", 5, ".._x-5.xml"},
        {"..", 5, "..-5.xml"},
        {"a\\b:c*?\"<>|", 7, "a_b_c______-7.xml"},
        {"line\nbreak", 8, "line_break-8.xml"},
        {"宏 1", 9, "宏 1-9.xml"},
        {"", 10, "-10.xml"},
        {"x", 0x80000000u, "x--2147483648.xml"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        const std::string path = MacroFilePath(dir.path(), c.name, c.tick);
        EXPECT_EQ(path, dir.path() + c.file) << c.name;
        const auto parent = std::filesystem::path(path).lexically_normal().parent_path();
        EXPECT_EQ(parent.string() + "/", dir.path()) << c.name;
    }
    EXPECT_EQ(MacroFilePath(dir.path().substr(0, dir.path().size() - 1), "m", 1),
              dir.path() + "m-1.xml");

    // A long name is cut at a character boundary, leaving a valid file name.
    std::string longName;
    for (int i = 0; i < 100; ++i) {
        longName += "宏";  // three bytes each
    }
    const std::string path = MacroFilePath(dir.path(), longName, 1);
    const std::string file = path.substr(dir.path().size());
    EXPECT_LE(file.size(), 255u);
    EXPECT_EQ(file.substr(file.size() - 6), "-1.xml");
    EXPECT_EQ((file.size() - 6) % 3, 0u);
}

TEST(MacroFile, WritesTheExactFormatAndReadsItBack) {
    test::TempDir dir;
    std::string reason;
    ASSERT_TRUE(WriteMacroFile(dir.file("m.xml"), Content(), reason)) << reason;
    EXPECT_EQ(
        dir.read("m.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<macro>\r\n"
        "<macroinfo macro_name=\"Custom 1 &lt;fast&gt;\" macro_type=\"0\" play_times=\"3\" "
        "delay_type=\"2\" delay_time=\"40\"/>\r\n"
        "<macroitems>\r\n"
        "<item desc=\"↓  A\" index=\"0\" type=\"2\" value=\"65\" timestamp=\"100\"/>\r\n"
        "<item desc=\" -   40 ms\" index=\"1\" type=\"1\" value=\"40\" timestamp=\"100\"/>\r\n"
        "<item desc=\"↑  A\" index=\"2\" type=\"3\" value=\"65\" timestamp=\"100\"/>\r\n"
        "</macroitems>\r\n"
        "</macro>\r\n");

    MacroFileContent read;
    ASSERT_TRUE(ReadMacroFile(dir.file("m.xml"), read, reason)) << reason;
    const MacroFileContent written = Content();
    EXPECT_EQ(read.header.name, written.header.name);
    EXPECT_EQ(read.header.play_times, 3);
    EXPECT_EQ(read.header.delay_type, 2);
    EXPECT_EQ(read.header.delay_time, 40);
    ASSERT_EQ(read.items.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.items[i].desc, written.items[i].desc);
        EXPECT_EQ(read.items[i].record_index, written.items[i].record_index);
        EXPECT_EQ(read.items[i].type, written.items[i].type);
        EXPECT_EQ(read.items[i].value, written.items[i].value);
        EXPECT_EQ(read.items[i].delay_time, written.items[i].delay_time);
    }
}

TEST(MacroFile, MacroWithoutStepsWritesAnEmptyMacroItems) {
    test::TempDir dir;
    MacroFileContent content = Content();
    content.items.clear();
    std::string reason;
    ASSERT_TRUE(WriteMacroFile(dir.file("m.xml"), content, reason));
    EXPECT_NE(dir.read("m.xml").find("/>\r\n<macroitems/>\r\n</macro>\r\n"), std::string::npos);
    MacroFileContent read;
    ASSERT_TRUE(ReadMacroFile(dir.file("m.xml"), read, reason));
    EXPECT_TRUE(read.items.empty());
    EXPECT_FALSE(WriteMacroFile(dir.file("no/such/folder/m.xml"), content, reason));
}

TEST(MacroFile, AbsentNumbersReadAsZeroAndOnlyTheFileOrderCounts) {
    test::TempDir dir;
    dir.write("m.xml",
              "<macro><macroinfo macro_name=\"m\" play_times=\"7\"/>"
              "<macroitems><item desc=\"a\" type=\"2\" value=\"65\"/>"
              "<item desc=\"b\" index=\"-3\" type=\"1\" value=\"\" timestamp=\"12\"/>"
              "</macroitems></macro>");
    MacroFileContent read;
    std::string reason;
    ASSERT_TRUE(ReadMacroFile(dir.file("m.xml"), read, reason)) << reason;
    EXPECT_EQ(read.header.play_type, 0);
    EXPECT_EQ(read.header.play_times, 7);
    ASSERT_EQ(read.items.size(), 2u);
    EXPECT_EQ(read.items[0].record_index, 0) << "no index reads as 0";
    EXPECT_EQ(read.items[1].record_index, -3);
    EXPECT_EQ(read.items[1].type, 1);
    EXPECT_EQ(read.items[1].value, 0) << "an empty value reads as 0";
    EXPECT_EQ(read.items[1].delay_time, 12);

    dir.write(
        "late.xml",
        "<macro><macroitems><item type=\"2\"/></macroitems><macroinfo macro_name=\"n\"/></macro>");
    ASSERT_TRUE(ReadMacroFile(dir.file("late.xml"), read, reason));
    EXPECT_EQ(read.header.name, "n");
    EXPECT_TRUE(read.items.empty()) << "steps before the header are not seen";
}

TEST(MacroFile, RefusesFilesThatAreNotMacros) {
    test::TempDir dir;
    dir.write("profile.xml", "<profile/>");
    dir.write("broken.xml", "<macro><macroinfo></macro>");
    MacroFileContent read;
    std::string reason;
    EXPECT_FALSE(ReadMacroFile(dir.file("profile.xml"), read, reason));
    EXPECT_NE(reason.find("not a macro file"), std::string::npos);
    EXPECT_FALSE(ReadMacroFile(dir.file("broken.xml"), read, reason));
    EXPECT_NE(reason.find("not well-formed"), std::string::npos);
    EXPECT_FALSE(ReadMacroFile(dir.file("none.xml"), read, reason));
    EXPECT_NE(reason.find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace quillon
