#include <gtest/gtest.h>

#include <string>

#include "store/XmlDocument.h"

namespace quillon {
namespace {

bool Logged(const XmlDocument& doc, const std::string& name) {
    for (const XmlDocument::LogEntry& entry : doc.ResultLog()) {
        if (entry.name == name) {
            return true;
        }
    }
    return false;
}

TEST(XmlParse, WellFormedTestAndLogEntries) {
    struct Case {
        std::string text;
        bool wellFormed;
        const char* logged;  // a log entry the parse must add, or null for none
    };
    const Case cases[] = {
        {"<a/>", true, nullptr},
        {"<?xml version=\"1.0\"?>\r\n<!-- c -->\r\n<a x = \"1\"\ty='2'\n/>\r\n<!-- after -->", true,
         nullptr},
        {"<!DOCTYPE a [<!ELEMENT a ANY> <!-- ] > --> <!ATTLIST a x CDATA \">\">]><a/>", true,
         nullptr},
        {"<a><![CDATA[</a><b>]]><?pi </a>?></a>", true, nullptr},
        {std::string("<a>\0</a>", 8), true, nullptr},
        {"", false, "no_root_element"},
        {"<?xml version=\"1.0\"?><!-- only -->", false, "no_root_element"},
        {"<a/><b/>", false, "root_has_sibling"},
        {"<a></a>\r\n<a></a>", false, "root_has_sibling"},
        {"<a>", false, "unended_start_tag"},
        {"<a><b></a>", false, "unended_start_tag"},
        {"<a></b></a>", false, "lone_end_tag"},
        {"</a>", false, "lone_end_tag"},
        {"<a x=1/>", false, "malformed_tag"},
        {"<a x='1'y='2'/>", false, "malformed_tag"},
        {"<a x='<'/>", false, "malformed_tag"},
        {"<a x='1/>", false, "malformed_tag"},
        {"< a/>", false, "malformed_tag"},
        {"<a></a b>", false, "malformed_tag"},
        {"<a/ >", false, "malformed_tag"},
        {"<a><!-- x</a>", false, "unended_comment"},
        {"<a><![CDATA[ x</a>", false, "unended_cdata"},
        {"<?xml version", false, "unended_processing_instruction"},
        {"<!DOCTYPE a [ <a/>", false, "unended_doctype"},
    };
    for (const Case& c : cases) {
        XmlDocument doc;
        EXPECT_EQ(doc.SetDocument(c.text), c.wellFormed) << c.text;
        EXPECT_EQ(doc.IsWellFormed(), c.wellFormed) << c.text;
        if (c.logged != nullptr) {
            EXPECT_TRUE(Logged(doc, c.logged)) << c.text << " should log " << c.logged;
        } else {
            EXPECT_TRUE(doc.ResultLog().empty()) << c.text;
        }
        EXPECT_EQ(doc.GetDocument(), c.text);
    }
}

TEST(XmlParse, NavigationSkipsCommentsInstructionsAndCdata) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocument(
        "<?xml version=\"1.0\"?><!DOCTYPE r><r><!-- <x/> --><![CDATA[<x/>]]><?x <x/>?><y/></r>"));
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.EnterElement());
    EXPECT_FALSE(doc.FindElement("x"));
    EXPECT_TRUE(doc.FindElement("y"));
}

TEST(XmlParse, FindElementSearchesForwardAmongSiblingsOnly) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocument("<r><a n='1'><deep/></a><b n='2'/><a n='3'/><c n='4'/></r>"));
    EXPECT_EQ(doc.GetAttribute("n"), "") << "no current element at the start";
    EXPECT_FALSE(doc.FindElement("a")) << "only children of the current parent are searched";
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.EnterElement());
    EXPECT_FALSE(doc.FindElement("deep"));
    ASSERT_TRUE(doc.FindElement("a"));
    EXPECT_EQ(doc.GetAttribute("n"), "1");
    ASSERT_TRUE(doc.FindElement("c"));
    EXPECT_EQ(doc.GetAttribute("n"), "4");

    // Names that stand only before the current element are not found and nothing moves.
    EXPECT_FALSE(doc.FindElement("b"));
    EXPECT_EQ(doc.GetAttribute("n"), "4");
    EXPECT_FALSE(doc.FindElement("a"));
    EXPECT_EQ(doc.GetAttribute("n"), "4");

    doc.ResetPos();
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("b"));
    ASSERT_TRUE(doc.FindElement("a"));
    EXPECT_EQ(doc.GetAttribute("n"), "3") << "the search starts after the current element";
    EXPECT_EQ(doc.GetAttribute("missing"), "");

    // Entering gives a level with no current element; leaving makes the parent current again.
    ASSERT_TRUE(doc.EnterElement());
    EXPECT_EQ(doc.GetAttribute("n"), "");
    ASSERT_TRUE(doc.LeaveElement());
    EXPECT_EQ(doc.GetAttribute("n"), "3");
    ASSERT_TRUE(doc.LeaveElement());
    EXPECT_FALSE(doc.LeaveElement());
    EXPECT_FALSE(doc.FindElement("r")) << "r is current; nothing follows it";
}

TEST(XmlParse, ExactNamesOnly) {
    XmlDocument doc;
    ASSERT_TRUE(doc.SetDocument("<r><Mouse_DPI/><mouse/><Mouse v='x'/></r>"));
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("Mouse"));
    EXPECT_EQ(doc.GetAttribute("v"), "x");
    EXPECT_EQ(doc.GetAttribute("V"), "");
}

TEST(XmlParse, MalformedDocumentStillIndexesItsElements) {
    XmlDocument doc;
    EXPECT_FALSE(doc.SetDocument("<r><a k='v'/><b><c k='w'/></r><junk"));
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("a"));
    EXPECT_EQ(doc.GetAttribute("k"), "v");
    ASSERT_TRUE(doc.FindElement("b"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("c"));
    EXPECT_EQ(doc.GetAttribute("k"), "w");
}

TEST(XmlParse, HostileInputIsIndexedWithoutCrashing) {
    std::string deep;
    for (int i = 0; i < 200000; ++i) {
        deep += "<a x='1'>";
    }
    std::string strays = deep;
    for (int i = 0; i < 200000; ++i) {
        strays += "</b>";
    }
    constexpr char kBinary[] = "<a\0 x='\xff\xfe\0'>\xc3</a\0>";
    const std::string cases[] = {
        deep,
        strays,
        std::string(100000, '<'),
        "<a x='" + std::string(100000, 'x'),
        "<!DOCTYPE [" + std::string(100000, '['),
        std::string(kBinary, sizeof kBinary - 1),
    };
    for (const std::string& text : cases) {
        XmlDocument doc;
        EXPECT_FALSE(doc.SetDocument(text));
        EXPECT_LE(doc.ResultLog().size(), 40u) << "the log keeps the first faults only";
        // Walk everything that was indexed.
        int visited = 0;
        bool descending = true;
        while (descending) {
            descending = doc.FindElement("a") && doc.EnterElement();
            visited += descending ? 1 : 0;
        }
        if (text == deep) {
            EXPECT_EQ(visited, 200000);
        }
    }
}

TEST(XmlParse, BytesAreKeptAsTheyAre) {
    XmlDocument doc;
    constexpr char kText[] = "<a v='\xff\x00\xc3(' w='\xe4\xb8\xad'/>";
    const std::string text(kText, sizeof kText - 1);
    ASSERT_TRUE(doc.SetDocument(text));
    ASSERT_TRUE(doc.FindElement("a"));
    EXPECT_EQ(doc.GetAttribute("v"), std::string("\xff\x00\xc3(", 4));
    EXPECT_EQ(doc.GetAttribute("w"), "中");
}

}  // namespace
}  // namespace quillon
