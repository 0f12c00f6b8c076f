#include <gtest/gtest.h>

#include <string>

#include "store/XmlDocument.h"

namespace quillon {
namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

TEST(XmlBuild, ProfileShapedDocumentHasOneElementPerLine) {
    XmlDocument doc;
    doc.SetDocument(kDeclaration);
    ASSERT_TRUE(doc.AddElement("profile"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement("profileinfo"));
    ASSERT_TRUE(doc.SetAttribute("name", "Game 1"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement("keyitems"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.LeaveElement());
    ASSERT_TRUE(doc.AddElement("Mouse_DPI"));
    ASSERT_TRUE(doc.SetAttribute("dpi_flag", "1"));
    ASSERT_TRUE(doc.SetAttribute("dpi_index", "2"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement("DPI1"));
    ASSERT_TRUE(doc.SetAttribute("value", "800"));
    ASSERT_TRUE(doc.SetAttribute("color", "255"));
    ASSERT_TRUE(doc.AddElement("DPI2"));
    ASSERT_TRUE(doc.SetAttribute("value", ""));
    ASSERT_TRUE(doc.LeaveElement());
    ASSERT_TRUE(doc.AddElement("Mouse"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement("report_rate"));
    ASSERT_TRUE(doc.SetAttribute("value", "1000"));

    EXPECT_EQ(doc.GetDocument(), std::string(kDeclaration) +
                                     "<profile>\r\n"
                                     "<profileinfo name=\"Game 1\">\r\n"
                                     "<keyitems/>\r\n"
                                     "<Mouse_DPI dpi_flag=\"1\" dpi_index=\"2\">\r\n"
                                     "<DPI1 value=\"800\" color=\"255\"/>\r\n"
                                     "<DPI2 value=\"\"/>\r\n"
                                     "</Mouse_DPI>\r\n"
                                     "<Mouse>\r\n"
                                     "<report_rate value=\"1000\"/>\r\n"
                                     "</Mouse>\r\n"
                                     "</profileinfo>\r\n"
                                     "</profile>\r\n");
    EXPECT_TRUE(doc.IsWellFormed());
    EXPECT_TRUE(XmlDocument().SetDocument(doc.GetDocument()));
}

TEST(XmlBuild, AttributeValuesAreEscapedAndReadBackUnchanged) {
    struct Case {
        const char* value;
        const char* written;
    };
    const Case cases[] = {
        {"a\"b&c", "a&quot;b&amp;c"},
        {"<tag>", "&lt;tag&gt;"},
        {"it's", "it&apos;s"},
        {"&amp;", "&amp;amp;"},
        {"中文 text", "中文 text"},
        {"", ""},
        {"say \"hi\"", "say &quot;hi&quot;"},
    };
    for (const Case& c : cases) {
        XmlDocument doc;
        ASSERT_TRUE(doc.AddElement("item"));
        ASSERT_TRUE(doc.SetAttribute("desc", c.value));
        EXPECT_EQ(doc.GetDocument(), std::string("<item desc=\"") + c.written + "\"/>\r\n");
        EXPECT_EQ(doc.GetAttribute("desc"), c.value);

        XmlDocument reread;
        ASSERT_TRUE(reread.SetDocument(doc.GetDocument()));
        ASSERT_TRUE(reread.FindElement("item"));
        EXPECT_EQ(reread.GetAttribute("desc"), c.value);
    }
}

TEST(XmlBuild, SetAttributeReplacesValueAndKeepsLaterElementsReachable) {
    XmlDocument doc;
    ASSERT_TRUE(
        doc.SetDocument("<r>\r\n<a v='first' w=\"x\"/>\r\n<b v=\"1\"><c/></b>\r\n</r>\r\n"));
    ASSERT_TRUE(doc.FindElement("r"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("a"));
    ASSERT_TRUE(doc.SetAttribute("v", "a much longer value"));
    ASSERT_TRUE(doc.SetAttribute("w", ""));
    ASSERT_TRUE(doc.SetAttribute("v", "<"));
    EXPECT_EQ(doc.GetAttribute("v"), "<");
    ASSERT_TRUE(doc.FindElement("b"));
    EXPECT_EQ(doc.GetAttribute("v"), "1");
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.FindElement("c"));
    ASSERT_TRUE(doc.SetAttribute("n", "2"));
    EXPECT_EQ(doc.GetDocument(),
              "<r>\r\n<a v='&lt;' w=\"\"/>\r\n<b v=\"1\"><c n=\"2\"/></b>\r\n</r>\r\n");
    EXPECT_TRUE(XmlDocument().SetDocument(doc.GetDocument()));
}

TEST(XmlBuild, AddElementInsertsAfterCurrentOrIntoParsedParents) {
    struct Case {
        const char* text;
        const char* findFirst;  // null: add at the end of the root's children
        const char* expected;
    };
    const Case cases[] = {
        {"<r/>", nullptr, "<r>\r\n<n/>\r\n</r>"},
        {"<r x=\"1\" />", nullptr, "<r x=\"1\" >\r\n<n/>\r\n</r>"},
        {"<r></r>", nullptr, "<r>\r\n<n/>\r\n</r>"},
        {"<r>\r\n<a/>\r\n<b/>\r\n</r>", nullptr, "<r>\r\n<a/>\r\n<b/>\r\n<n/>\r\n</r>"},
        {"<r>\r\n<a/>\r\n<b/>\r\n</r>", "a", "<r>\r\n<a/>\r\n<n/>\r\n<b/>\r\n</r>"},
        {"<r><a/><b/></r>", "a", "<r><a/><n/>\r\n<b/></r>"},
    };
    for (const Case& c : cases) {
        XmlDocument doc;
        ASSERT_TRUE(doc.SetDocument(c.text)) << c.text;
        ASSERT_TRUE(doc.FindElement("r"));
        ASSERT_TRUE(doc.EnterElement());
        if (c.findFirst != nullptr) {
            ASSERT_TRUE(doc.FindElement(c.findFirst));
        }
        ASSERT_TRUE(doc.AddElement("n"));
        ASSERT_TRUE(doc.SetAttribute("k", "v"));
        EXPECT_EQ(doc.GetAttribute("k"), "v");
        ASSERT_TRUE(doc.SetAttribute("k", ""));
        std::string expected = c.expected;
        expected.replace(expected.find("<n/>"), 4, "<n k=\"\"/>");
        EXPECT_EQ(doc.GetDocument(), expected) << c.text;
        EXPECT_TRUE(XmlDocument().SetDocument(doc.GetDocument())) << doc.GetDocument();

        // The new element is a sibling like any other.
        doc.ResetPos();
        ASSERT_TRUE(doc.FindElement("r"));
        ASSERT_TRUE(doc.EnterElement());
        EXPECT_TRUE(doc.FindElement("n"));
        EXPECT_EQ(doc.LeaveElement(), true);
        EXPECT_FALSE(doc.LeaveElement());
    }
}

TEST(XmlBuild, ElementWithValueIsWrittenWithEndTag) {
    XmlDocument doc;
    ASSERT_TRUE(doc.AddElement("root"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement("text", "a < b & c"));
    ASSERT_TRUE(doc.SetAttribute("lang", "en"));
    ASSERT_TRUE(doc.EnterElement());
    ASSERT_TRUE(doc.AddElement("inner"));
    EXPECT_EQ(doc.GetDocument(),
              "<root>\r\n<text lang=\"en\">a &lt; b &amp; c<inner/>\r\n</text>\r\n</root>\r\n");
    EXPECT_TRUE(doc.IsWellFormed());
}

TEST(XmlBuild, RefusesWhatWouldBreakTheDocument) {
    XmlDocument doc;
    EXPECT_FALSE(doc.SetAttribute("a", "1")) << "no current element";
    EXPECT_FALSE(doc.EnterElement());
    EXPECT_FALSE(doc.LeaveElement());
    for (const char* bad : {"", "a b", "a>", "<a", "a/", "a=b", "a\"", "a&b"}) {
        EXPECT_FALSE(doc.AddElement(bad)) << bad;
    }
    EXPECT_FALSE(doc.AddElement(std::string_view("a\0b", 3)));
    ASSERT_TRUE(doc.AddElement("ok"));
    EXPECT_FALSE(doc.SetAttribute("x y", "1"));
    EXPECT_FALSE(doc.SetAttribute("", "1"));
    EXPECT_EQ(doc.GetDocument(), "<ok/>\r\n");
    EXPECT_TRUE(doc.IsWellFormed());

    // A second top-level element is added, but the document is no longer well-formed.
    ASSERT_TRUE(doc.AddElement("second"));
    EXPECT_FALSE(doc.IsWellFormed());
    ASSERT_FALSE(doc.ResultLog().empty());
    EXPECT_EQ(doc.ResultLog().back().name, "root_has_sibling");
}

}  // namespace
}  // namespace quillon
