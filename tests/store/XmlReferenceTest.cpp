#include <gtest/gtest.h>

#include <string>

#include "store/XmlDocument.h"

namespace quillon {
namespace {

// The attribute value as GetAttribute decodes it from the raw text between the quotes.
std::string Decoded(const std::string& raw) {
    XmlDocument doc;
    EXPECT_TRUE(doc.SetDocument("<a v=\"" + raw + "\"/>")) << raw;
    doc.FindElement("a");
    return doc.GetAttribute("v");
}

struct Case {
    const char* raw;
    const char* decoded;
};

TEST(XmlReference, CharacterReferences) {
    const Case cases[] = {
        {"&#x4E2D;", "中"},
        {"&#X4e2d;", "中"},
        {"&#20013;&#20013;", "中中"},
        {"&#65;&#x42;C", "ABC"},
        {"&#x0000041;", "A"},
        {"&#x1F600;", "\U0001F600"},
        {"&#128512;", "\U0001F600"},
        {"&#x10FFFF;", "\U0010FFFF"},
        // A pair of surrogate references makes one character.
        {"&#xD83D;&#xDE00;", "\U0001F600"},
        {"&#55357;&#56832;!", "\U0001F600!"},
        // Lone surrogates and impossible code points stay as written.
        {"&#xD83D;", "&#xD83D;"},
        {"&#xD83D;x&#xDE00;", "&#xD83D;x&#xDE00;"},
        {"&#xD83D;&#x41;", "&#xD83D;A"},
        {"&#xDE00;&#xD83D;", "&#xDE00;&#xD83D;"},
        {"&#0;", "&#0;"},
        {"&#x110000;", "&#x110000;"},
        {"&#99999999999999999999999;", "&#99999999999999999999999;"},
        {"&#;&#x;&#12&#x4G;", "&#;&#x;&#12&#x4G;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decoded(c.raw), c.decoded) << c.raw;
    }
}

TEST(XmlReference, NamedEntities) {
    const Case cases[] = {
        {"&lt;&gt;&amp;&quot;&apos;", "<>&\"'"},
        {"a &amp;amp; b", "a &amp; b"},
        // One from each part of the HTML 4 set, first and last names included.
        {"&nbsp;&yuml;&copy;&frac34;", "\u00A0\u00FF\u00A9\u00BE"},
        {"&OElig;&euro;&zwj;&rsaquo;", "\u0152\u20AC\u200D\u203A"},
        {"&fnof;&Omega;&thetasym;&alefsym;&hArr;&there4;&sdot;&rang;&loz;&diams;",
         "\u0192\u03A9\u03D1\u2135\u21D4\u2234\u22C5\u232A\u25CA\u2666"},
        // Exact case first; otherwise any case, the lower code point winning between pairs.
        {"&eacute;&Eacute;&EACUTE;&eAcute;", "\u00E9\u00C9\u00C9\u00C9"},
        {"&Dagger;&dagger;&DAGGER;", "\u2021\u2020\u2020"},
        {"&rArr;&rarr;&RARR;", "\u21D2\u2192\u2192"},
        {"&AMP;&Lt;&NBSP;&Euro;&THETASYM;", "&<\u00A0\u20AC\u03D1"},
        // Unknown, unfinished or too long names stay as written.
        {"&unknown;", "&unknown;"},
        {"&amp", "&amp"},
        {"& amp;", "& amp;"},
        {"&ampx;", "&ampx;"},
        {"&abcdefghij;", "&abcdefghij;"},
        {"a&b;c&", "a&b;c&"},
        {"&&amp;;", "&&;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decoded(c.raw), c.decoded) << c.raw;
    }
}

}  // namespace
}  // namespace quillon
