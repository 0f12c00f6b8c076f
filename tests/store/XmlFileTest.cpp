#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/XmlDocument.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

bool Logged(const XmlDocument& doc, const std::string& name) {
    for (const XmlDocument::LogEntry& entry : doc.ResultLog()) {
        if (entry.name == name) {
            return true;
        }
    }
    return false;
}

// UTF-16 bytes of a text the compiler encoded, so the test does not lean on our conversion.
std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(XmlFile, BuiltDocumentSavesAsUtf8WithCrLfLinesAndReadsBackUnchanged) {
    test::TempDir dir;
    const std::string tricky = "Say \"hi\" & <go> it's 中文";
    XmlDocument doc;
    doc.SetDocument("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    ASSERT_TRUE(doc.AddElement("macro"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement("macroinfo"));
    ASSERT_TRUE(doc.SetAttribute("macro_name", tricky));
    ASSERT_TRUE(doc.AddElement("macroitems"));
    ASSERT_TRUE(doc.EnterElement());
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(doc.AddElement("item"));
        ASSERT_TRUE(doc.SetAttribute("desc", "键 " + std::to_string(i)));
        ASSERT_TRUE(doc.SetAttribute("index", std::to_string(i)));
    }
    ASSERT_TRUE(doc.SaveFile(dir.file("m.xml")));

    const std::string bytes = dir.read("m.xml");
    EXPECT_EQ(bytes, doc.GetDocument()) << "UTF-8 as in memory, no byte-order mark";
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<macro>\r\n", 0), 0u);
    EXPECT_NE(bytes.find("macro_name=\"Say &quot;hi&quot; &amp; &lt;go&gt; it&apos;s 中文\""),
              std::string::npos);
    size_t lines = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_EQ(bytes[i - 1], '\r') << "every line ends in CR LF";
            ++lines;
        }
    }
    EXPECT_EQ(lines, 9u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    XmlDocument loaded;
    ASSERT_TRUE(loaded.LoadFile(dir.file("m.xml")));
    ASSERT_TRUE(loaded.IsWellFormed());
    EXPECT_EQ(loaded.GetDocument(), doc.GetDocument());
    ASSERT_TRUE(loaded.FindElement("macro"));
    ASSERT_TRUE(loaded.EnterElement());
    ASSERT_TRUE(loaded.FindElement("macroinfo"));
    EXPECT_EQ(loaded.GetAttribute("macro_name"), tricky);
    ASSERT_TRUE(loaded.FindElement("macroitems"));
    ASSERT_TRUE(loaded.EnterElement());
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(loaded.FindElement("item"));
        EXPECT_EQ(loaded.GetAttribute("desc"), "键 " + std::to_string(i));
    }
    EXPECT_FALSE(loaded.FindElement("item"));
    EXPECT_TRUE(FolderEntries(dir.path()) == std::vector<std::string>{"m.xml"});
}

TEST(XmlFile, LoadFileDetectsTheEncoding) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* value;   // the attribute v of the root, as UTF-8
        const char* logged;  // a log entry the load must add, or null for none
    };
    const std::u16string_view utf16 =
        u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<r v=\"中\U0001F600é\"/>";
    const Case cases[] = {
        {"UTF-16LE with BOM", "\xFF\xFE" + Utf16(utf16, false), "中\U0001F600é", nullptr},
        {"UTF-16BE with BOM", "\xFE\xFF" + Utf16(utf16, true), "中\U0001F600é", nullptr},
        {"UTF-16LE without BOM", Utf16(u"<r v=\"中\"/>", false), "中", nullptr},
        {"UTF-16BE without BOM", Utf16(u"<r v=\"中\"/>", true), "中", nullptr},
        {"UTF-16 unpaired surrogate", "\xFF\xFE" + Utf16(u"<r v=\"\xD800x\"/>", false),
         "\xEF\xBF\xBDx", "conversion_loss"},
        {"UTF-16 odd length", "\xFF\xFE" + Utf16(u"<r v=\"a\"/>", false) + "\x0A", "a",
         "truncation_error"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF<r v=\"中\"/>", "中", nullptr},
        {"ISO-8859-1 declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r v=\"caf\xE9\"/>",
         "café", nullptr},
        {"GBK declared", "<?xml version='1.0' encoding='GBK'?>\r\n<r v=\"\xD6\xD0\xCE\xC4\"/>",
         "中文", nullptr},
        {"windows-1252 declared",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r v=\"\x80\x81\x9F\"/>",
         "\u20AC\u0081\u0178", nullptr},
        {"declared UTF-8 with a bad byte",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r v=\"a\xFF\"/>", "a\xEF\xBF\xBD",
         "conversion_loss"},
        {"undeclared valid UTF-8", " <r v=\"中\"/>", "中", nullptr},
        {"undeclared, starts with <, bad byte", "<r v=\"\xE9t\xE9\"/>", "\xEF\xBF\xBDt\xEF\xBF\xBD",
         "conversion_loss"},
        {"undeclared, not UTF-8, not starting with <", "\r\n<r v=\"\xE9t\xE9\"/>", "été", nullptr},
        {"unknown charset", "<?xml version=\"1.0\" encoding=\"x-no-such\"?><r v=\"\xC3\xA9\"/>",
         "é", "unknown_encoding"},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        dir.write("in.xml", c.bytes);
        XmlDocument doc;
        ASSERT_TRUE(doc.LoadFile(dir.file("in.xml"))) << c.what;
        EXPECT_TRUE(doc.IsWellFormed()) << c.what << ": " << doc.GetDocument();
        ASSERT_TRUE(doc.FindElement("r")) << c.what;
        EXPECT_EQ(doc.GetAttribute("v"), c.value) << c.what;
        if (c.logged != nullptr) {
            EXPECT_TRUE(Logged(doc, c.logged)) << c.what << " should log " << c.logged;
        } else {
            EXPECT_TRUE(doc.ResultLog().empty()) << c.what << ": " << doc.ResultLog()[0].name;
        }
    }
}

TEST(XmlFile, SaveFileWritesTheDeclaredEncoding) {
    struct Case {
        const char* declared;
        std::string bytes;  // what the file must hold for the element below
        bool lossy;
    };
    const Case cases[] = {
        {"ISO-8859-1", "<r v=\"caf\xE9 ?\"/>\r\n", true},
        {"GBK", "<r v=\"caf\xA8\xA6 \xD6\xD0\"/>\r\n", false},
        {"windows-1252", "<r v=\"caf\xE9 ?\"/>\r\n", true},
        {"UTF-16LE", Utf16(u"<r v=\"café 中\"/>\r\n", false), false},
        {"UTF-16BE", Utf16(u"<r v=\"café 中\"/>\r\n", true), false},
        {"utf-8", "<r v=\"café 中\"/>\r\n", false},
    };
    test::TempDir dir;
    for (const Case& c : cases) {
        const std::string declaration =
            std::string("<?xml version=\"1.0\" encoding=\"") + c.declared + "\"?>\r\n";
        XmlDocument doc;
        doc.SetDocument(declaration);
        ASSERT_TRUE(doc.AddElement("r"));
        ASSERT_TRUE(doc.SetAttribute("v", "café 中"));
        ASSERT_TRUE(doc.SaveFile(dir.file("out.xml"))) << c.declared;
        const std::string bytes = dir.read("out.xml");
        ASSERT_GE(bytes.size(), c.bytes.size());
        EXPECT_EQ(bytes.substr(bytes.size() - c.bytes.size()), c.bytes) << c.declared;
        EXPECT_EQ(Logged(doc, "conversion_loss"), c.lossy) << c.declared;

        XmlDocument loaded;
        ASSERT_TRUE(loaded.LoadFile(dir.file("out.xml")));
        ASSERT_TRUE(loaded.IsWellFormed()) << c.declared;
        ASSERT_TRUE(loaded.FindElement("r"));
        EXPECT_EQ(loaded.GetAttribute("v"), c.lossy ? "café ?" : "café 中") << c.declared;
    }
}

TEST(XmlFile, FailedSaveLeavesNoTraceAndKeepsTheOldFile) {
    test::TempDir dir;
    XmlDocument doc;
    doc.SetDocument("<r/>");

    EXPECT_FALSE(doc.SaveFile(dir.file("missing/out.xml")));
    ASSERT_FALSE(doc.ResultLog().empty());
    EXPECT_EQ(doc.ResultLog().back().name, "file_error");
    EXPECT_NE(doc.ResultLog().back().detail.find("No such file or directory"), std::string::npos)
        << doc.ResultLog().back().detail;
    EXPECT_TRUE(FolderEntries(dir.path()).empty());

    // A folder in the way of the file: the rename fails and the folder is kept as it was.
    fs::create_directory(dir.file("taken.xml"));
    EXPECT_FALSE(doc.SaveFile(dir.file("taken.xml")));
    EXPECT_EQ(doc.ResultLog().back().name, "file_error");
    EXPECT_TRUE(FolderEntries(dir.path()) == std::vector<std::string>{"taken.xml"});
    EXPECT_TRUE(fs::is_directory(dir.file("taken.xml")));

    // An unknown declared charset writes nothing rather than a file with the wrong encoding.
    dir.write("old.xml", "old content");
    XmlDocument odd;
    odd.SetDocument("<?xml version=\"1.0\" encoding=\"x-no-such\"?><r/>");
    EXPECT_FALSE(odd.SaveFile(dir.file("old.xml")));
    EXPECT_EQ(odd.ResultLog().back().name, "unknown_encoding");
    EXPECT_EQ(dir.read("old.xml"), "old content");

    // A successful save replaces the whole file and keeps its permissions.
    fs::permissions(dir.file("old.xml"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(doc.SaveFile(dir.file("old.xml")));
    EXPECT_EQ(dir.read("old.xml"), "<r/>");
    EXPECT_EQ(fs::status(dir.file("old.xml")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(FolderEntries(dir.path()) == (std::vector<std::string>{"old.xml", "taken.xml"}));
}

TEST(XmlFile, LoadFailureEmptiesTheDocument) {
    test::TempDir dir;
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocument("<old/>"));
    EXPECT_FALSE(doc.LoadFile(dir.file("absent.xml")));
    EXPECT_FALSE(doc.IsWellFormed());
    EXPECT_EQ(doc.GetDocument(), "");
    EXPECT_FALSE(doc.FindElement("old"));
    ASSERT_FALSE(doc.ResultLog().empty());
    EXPECT_EQ(doc.ResultLog().front().name, "file_error");
    EXPECT_NE(doc.ResultLog().front().detail.find("absent.xml"), std::string::npos);

    EXPECT_FALSE(doc.LoadFile(dir.path())) << "a folder is not a file";

    dir.write("broken.xml", "<profile><profileinfo>");
    EXPECT_TRUE(doc.LoadFile(dir.file("broken.xml"))) << "read, but";
    EXPECT_FALSE(doc.IsWellFormed());
}

TEST(XmlFile, ShippedCatalogueReads) {
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(std::string(QUILLON_SOURCE_DIR) + "/data/config.xml"));
    ASSERT_TRUE(doc.IsWellFormed());
    ASSERT_TRUE(doc.FindElement("config"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("device"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("mouse"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("mode"));
    EXPECT_EQ(doc.GetAttribute("hid_interface"), "MI_01&COL02");
}

}  // namespace
}  // namespace quillon
