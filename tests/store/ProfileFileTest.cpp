#include <gtest/gtest.h>

#include <cstdlib>

#include "store/ProfileFile.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

const char* const kFullFile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<profile>\r\n"
    "<profileinfo name=\"Game &amp; &quot;work&quot;\">\r\n"
    "<keyitems>\r\n"
    "<item key_code=\"4\" macro_type=\"22\" macro_value=\"4\" macro_value2=\"3\" "
    "macro_value3=\"0\" "
    "macro_desc=\"Shift+ Ctrl + A\"/>\r\n"
    "<item key_code=\"7\" macro_type=\"23\" macro_value=\"12\" macro_value2=\"0\" "
    "macro_value3=\"0\" "
    "macro_desc=\"&lt;Custom&gt; 1\"/>\r\n"
    "</keyitems>\r\n"
    "<Mouse_DPI dpi_flag=\"5\" dpi_index=\"2\" dpi_count=\"5\">\r\n"
    "<DPI1 value=\"800\" color=\"255\"/>\r\n"
    "<DPI2 value=\"1200\" color=\"16711680\"/>\r\n"
    "<DPI3 value=\"1600\" color=\"65280\"/>\r\n"
    "<DPI4 value=\"2400\" color=\"65535\"/>\r\n"
    "<DPI5 value=\"3200\" color=\"16776960\"/>\r\n"
    "<DPI6 value=\"6400\" color=\"\"/>\r\n"
    "</Mouse_DPI>\r\n"
    "<Mouse>\r\n"
    "<button_respondtime value=\"8\"/>\r\n"
    "<report_rate value=\"4\"/>\r\n"
    "<sensor_flag value=\"20\"/>\r\n"
    "<liftoff_height value=\"1\"/>\r\n"
    "<scroll_flag value=\"0\"/>\r\n"
    "<move_light_flag value=\"1\"/>\r\n"
    "<move_wakeUp_flag value=\"1\"/>\r\n"
    "<e-sports_flag value=\"2\"/>\r\n"
    "<leftbtn_lock value=\"1\"/>\r\n"
    "</Mouse>\r\n"
    "</profileinfo>\r\n"
    "</profile>\r\n";

KeyAssignment Item(int keyCode, int type, int value, int value2, std::string desc) {
    KeyAssignment item;
    item.key_code = keyCode;
    item.macro_type = type;
    item.macro_value = value;
    item.macro_value2 = value2;
    item.macro_desc = std::move(desc);
    return item;
}

ProfileFileContent FullContent() {
    ProfileFileContent content;
    content.name = "Game & \"work\"";
    content.keyItems = {Item(4, 22, 4, 3, "Shift+ Ctrl + A"), Item(7, 23, 12, 0, "<Custom> 1")};
    const char* values[] = {"5",        "2",    "5",     "800",  "255",   "1200",
                            "16711680", "1600", "65280", "2400", "65535", "3200",
                            "16776960", "6400", "",      "8",    "4",     "20",
                            "1",        "0",    "1",     "1",    "2",     "1"};
    size_t i = 0;
    for (const std::string& key : ProfileFileKeys()) {
        content.values.emplace_back(key, values[i++]);
    }
    return content;
}

// The value the file gives a key, or "(absent)".
std::string ValueOf(const ProfileFileContent& content, const std::string& key) {
    for (const auto& [name, value] : content.values) {
        if (name == key) {
            return value;
        }
    }
    return "(absent)";
}

std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        pclose(pipe);
    }
    return output;
}

TEST(ProfileFile, WritesTheExactFormat) {
    test::TempDir dir;
    std::string reason;
    ASSERT_TRUE(WriteProfileFile(dir.file("p.xml"), FullContent(), reason)) << reason;
    EXPECT_EQ(dir.read("p.xml"), kFullFile);

    // An independent parser reads the same structure.
    const std::string xpath =
        "xmllint --xpath 'concat(/profile/profileinfo/@name, \"|\", "
        "count(//keyitems/item), \"|\", //DPI2/@color, \"|\", "
        "//e-sports_flag/@value)' " +
        dir.file("p.xml");
    EXPECT_EQ(Shell(xpath), "Game & \"work\"|2|16711680|2\n");
}

TEST(ProfileFile, ProfileWithoutButtonsWritesAnEmptyKeyItems) {
    test::TempDir dir;
    ProfileFileContent content = FullContent();
    content.keyItems.clear();
    std::string reason;
    ASSERT_TRUE(WriteProfileFile(dir.file("p.xml"), content, reason));
    EXPECT_NE(dir.read("p.xml").find("\r\n<keyitems/>\r\n<Mouse_DPI "), std::string::npos);
}

TEST(ProfileFile, WriteToAMissingFolderFails) {
    test::TempDir dir;
    std::string reason;
    EXPECT_FALSE(WriteProfileFile(dir.file("missing/p.xml"), FullContent(), reason));
    EXPECT_NE(reason.find("cannot write"), std::string::npos);
}

TEST(ProfileFile, ReadsBackWhatWasWritten) {
    test::TempDir dir;
    dir.write("p.xml", kFullFile);
    ProfileFileContent content;
    std::string reason;
    ASSERT_TRUE(ReadProfileFile(dir.file("p.xml"), content, reason)) << reason;
    const ProfileFileContent expected = FullContent();
    EXPECT_EQ(content.name, expected.name);
    ASSERT_EQ(content.keyItems.size(), 2u);
    EXPECT_EQ(content.keyItems[0].key_code, 4);
    EXPECT_EQ(content.keyItems[0].macro_type, 22);
    EXPECT_EQ(content.keyItems[0].macro_value2, 3);
    EXPECT_EQ(content.keyItems[1].macro_desc, "<Custom> 1");
    EXPECT_EQ(content.values.size(), expected.values.size() - 1);
    EXPECT_EQ(ValueOf(content, "dpi_group5_rgb"), "(absent)") << "an empty value changes nothing";
    EXPECT_EQ(ValueOf(content, "dpi_group1_rgb"), "16711680");
    EXPECT_EQ(ValueOf(content, "leftbtn_lock"), "1");
}

TEST(ProfileFile, ElementsAreFoundForwardOnly) {
    struct Case {
        const char* what;
        const char* body;  // inside <profile>
        size_t items;
        std::vector<std::pair<std::string, std::string>> values;
    };
    const Case cases[] = {
        {"no profileinfo: nothing but the cleared buttons", "", 0, {}},
        {"only Mouse",
         "<profileinfo><Mouse><report_rate value=\"2\"/><leftbtn_lock value=\"0\"/></Mouse>"
         "</profileinfo>",
         0,
         {{"report_rate", "2"}, {"leftbtn_lock", "0"}}},
        {"Mouse before Mouse_DPI is not seen",
         "<profileinfo><Mouse><report_rate value=\"2\"/></Mouse>"
         "<Mouse_DPI dpi_index=\"1\"/></profileinfo>",
         0,
         {{"dpi_index", "1"}}},
        {"DPI3 before DPI2 is missed",
         "<profileinfo><Mouse_DPI><DPI3 value=\"900\"/><DPI2 value=\"700\"/></Mouse_DPI>"
         "</profileinfo>",
         0,
         {{"dpi_group1_value", "700"}}},
        {"other elements are skipped",
         "<profileinfo><note/><keyitems><x/><item key_code=\"1\" macro_type=\"24\" "
         "macro_value=\"1\"/><!-- c --><item key_code=\"2\" macro_type=\"1\" macro_value=\"0\" "
         "macro_value2=\"0\"/></keyitems><light value=\"3\"/></profileinfo>",
         2,
         {}},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        dir.write("p.xml", std::string("<?xml version=\"1.0\"?><profile>") + c.body + "</profile>");
        ProfileFileContent content;
        std::string reason;
        ASSERT_TRUE(ReadProfileFile(dir.file("p.xml"), content, reason))
            << c.what << ": " << reason;
        EXPECT_EQ(content.keyItems.size(), c.items) << c.what;
        EXPECT_EQ(content.values, c.values) << c.what;
    }
}

TEST(ProfileFile, RefusesTheWholeFileAtTheFirstBadValue) {
    struct Case {
        const char* body;  // inside <profileinfo>
        const char* reason;
    };
    const Case cases[] = {
        {"<Mouse><report_rate value=\"200\"/></Mouse>", "<report_rate>: value \"200\""},
        {"<Mouse_DPI><DPI1 value=\"99999\"/></Mouse_DPI>",
         "<DPI1>: value \"99999\" is not a valid dpi_group0_value"},
        {"<Mouse_DPI><DPI1 value=\"49\"/></Mouse_DPI>", "<DPI1>: value \"49\""},
        {"<Mouse_DPI><DPI4 color=\"16777216\"/></Mouse_DPI>", "<DPI4>: color"},
        {"<Mouse_DPI dpi_index=\"fast\"/>", "dpi_index \"fast\" is not a number"},
        {"<Mouse_DPI dpi_count=\"7\"/>", "dpi_count \"7\""},
        {"<Mouse><sensor_flag value=\"256\"/></Mouse>", "sensor_flag"},
        {"<Mouse><e-sports_flag value=\"0\"/></Mouse>", "e-sports_flag"},
        {"<Mouse><button_respondtime value=\" 8\"/></Mouse>", "is not a number"},
        {"<keyitems><item key_code=\"abc\" macro_type=\"1\" macro_value=\"1\"/></keyitems>",
         "<item> 2: key_code \"abc\" is not a number"},
        {"<keyitems><item key_code=\"1\" macro_type=\"1\" macro_value=\"1\"/><item key_code=\"10\" "
         "macro_type=\"1\" macro_value=\"1\"/></keyitems>",
         "<item> 3: key_code \"10\" is outside 1..9"},
        {"<keyitems><item key_code=\"1\" macro_type=\"28\" macro_value=\"1\"/></keyitems>",
         "macro_type"},
        {"<keyitems><item key_code=\"1\" macro_type=\"22\" macro_value=\"300\"/></keyitems>",
         "macro_value 300 is not a value of function type 22"},
        {"<keyitems><item key_code=\"1\" macro_type=\"26\" macro_value=\"14\"/></keyitems>",
         "function type 26"},
        {"<keyitems><item key_code=\"1\" macro_type=\"1\" macro_value=\"99999999999\"/></keyitems>",
         "macro_value \"99999999999\" is not a number"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        // Good values first: a refusal must not keep them.
        const std::string body = c.body;
        const std::string goodItem = "<item key_code=\"3\" macro_type=\"24\" macro_value=\"1\"/>";
        const std::string info = body.starts_with("<keyitems>")
                                     ? "<keyitems>" + goodItem + body.substr(10)
                                     : "<keyitems>" + goodItem + "</keyitems>" + body;
        dir.write("p.xml", "<profile><profileinfo>" + info + "</profileinfo></profile>");
        ProfileFileContent content;
        std::string reason;
        EXPECT_FALSE(ReadProfileFile(dir.file("p.xml"), content, reason)) << c.body;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.body << " -> " << reason;
        EXPECT_TRUE(content.keyItems.empty() && content.values.empty()) << c.body;
    }
}

TEST(ProfileFile, RefusesFilesThatAreNotProfiles) {
    struct Case {
        const char* name;
        const char* text;  // nullptr: no file
        const char* reason;
    };
    const Case cases[] = {
        {"missing.xml", nullptr, "cannot read"},
        {"broken.xml", "<profile><profileinfo></profile>", "not well-formed"},
        {"two.xml", "<profile/><profile/>", "not well-formed"},
        {"macro.xml", "<macro><macroinfo/></macro>", "not a profile file"},
        {"empty.xml", "", "not well-formed"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        if (c.text != nullptr) {
            dir.write(c.name, c.text);
        }
        ProfileFileContent content;
        std::string reason;
        EXPECT_FALSE(ReadProfileFile(dir.file(c.name), content, reason)) << c.name;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << c.name << " -> " << reason;
    }
}

}  // namespace
}  // namespace quillon
