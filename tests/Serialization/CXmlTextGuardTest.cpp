#include "Veltis/Serialization/CXmlTextGuard.h"

#include <gtest/gtest.h>

#include <string>

using Veltis::Serialization::CXmlTextGuard;

namespace {

std::string Repeat(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// Enough sibling elements that the strict scan runs.
const std::string kSiblings = Repeat("<v>1</v>", 300);

TEST(CXmlTextGuard, SmallTextsNeedNoScanOfTheirMarkup)
{
    EXPECT_TRUE(CXmlTextGuard::IsSafeToParse(Repeat("<a x=y>", 200) + "&bad \xC3\xA9"));
}

// A document is refused or accepted by the same encoding rule whatever its size: a small one that a
// later save makes large must not turn unreadable.
TEST(CXmlTextGuard, MalformedUtf8IsRefusedInTextsOfEverySize)
{
    struct Case { const char* label; const char* bytes; bool wellFormed; };
    const Case kCases[] = {
        {"lone continuation byte", "\x80", false},
        {"byte never used", "\xFF", false},
        {"overlong lead byte", "\xC0\xAF", false},
        {"two-byte sequence cut short", "ab\xC3", false},
        {"three-byte sequence cut short", "\xE2\x82x", false},
        {"lead byte beyond U+10FFFF", "\xF5\x80\x80\x80", false},
        {"two-byte character", "\xC3\xA9", true},
        {"three-byte character", "\xE2\x82\xAC", true},
        {"four-byte character", "\xF0\x9F\x8E\xB5", true},
    };
    for (const Case& c : kCases) {
        const std::string small = std::string("<Preset><progName>") + c.bytes +
                                  "</progName><MIDIInputDefault>0</MIDIInputDefault></Preset>";
        const std::string large = "<Preset>" + kSiblings + "<progName>" + c.bytes + "</progName></Preset>";
        const std::string inAttribute = std::string("<Preset name=\"") + c.bytes + "\"/>";
        for (const std::string* text : {&small, &large, &inAttribute}) {
            SCOPED_TRACE(testing::Message() << c.label << " in " << text->size() << " bytes");
            EXPECT_EQ(CXmlTextGuard::IsWellFormedUtf8(*text), c.wellFormed);
            EXPECT_EQ(CXmlTextGuard::IsSafeToParse(*text), c.wellFormed);
        }
    }
    // The end of the text ends a sequence too.
    EXPECT_FALSE(CXmlTextGuard::IsWellFormedUtf8("<a/>\xE2\x82"));
    EXPECT_TRUE(CXmlTextGuard::IsWellFormedUtf8("<a/>\xE2\x82\xAC"));
}

TEST(CXmlTextGuard, StrictScanOfLargeTexts)
{
    struct Case { const char* label; std::string text; bool safe; };
    const Case kCases[] = {
        {"written form", "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<R>\n" + kSiblings +
                             "<s a='say &quot;x&quot;' b=\"&#x0A;&#65;\">&lt;&amp;&gt; \xC3\xA9</s>\n</R>\n", true},
        {"comments, CDATA, doctype", "<!DOCTYPE R><R><!-- <a><a> --><![CDATA[<a><a>]]>" + kSiblings + "</R>", true},
        {"nesting at the limit", Repeat("<a>", 256) + Repeat("</a>", 256) + kSiblings, true},
        {"nesting beyond the limit", Repeat("<a>", 257) + Repeat("</a>", 257) + kSiblings, false},
        {"deep nesting behind closing tags in attribute values",
         "<R>" + Repeat("<a x=\"</a>\">", 300) + "</R>", false},
        {"markup character in a quoted value", "<R>" + kSiblings + "<a x='>'/></R>", false},
        {"unquoted attribute", "<R>" + kSiblings + "<a x=1/></R>", false},
        {"raw ampersand", "<R>" + kSiblings + "<a>fish & chips</a></R>", false},
        {"entity that would swallow markup", "<R>" + kSiblings + "<a>&#x</a>x1;</a></R>", false},
        {"malformed UTF-8", "<R>" + kSiblings + "<a>\xF0\x41</a></R>", false},
        {"too many attributes", "<R " + Repeat("a=\"1\" ", 1025) + ">" + kSiblings + "</R>", false},
        {"self-closing with a space", "<R>" + kSiblings + "<a / ></R>", false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(CXmlTextGuard::IsSafeToParse(c.text), c.safe);
    }
}

TEST(CXmlTextGuard, CommentsAndCDATAEndOnlyAfterTheirOpener)
{
    // To the parser "<!-->" and "<!--->" open a comment that the "-->" after the CDATA opener ends,
    // so the elements between the CDATA opener and "]]>" are markup, not character data.
    struct Case { const char* label; const char* opener; const char* root; };
    const Case kCases[] = {
        {"<!--> at the top level", "<!-->", ""},
        {"<!---> at the top level", "<!--->", ""},
        {"<!--> inside an element", "<!-->", "R"},
        {"<!---> inside an element", "<!--->", "R"},
    };
    for (const Case& c : kCases) {
        for (int depth : {257, 300}) {
            SCOPED_TRACE(testing::Message() << c.label << ", depth " << depth);
            const std::string open = *c.root ? std::string("<") + c.root + ">" : "";
            const std::string close = *c.root ? std::string("</") + c.root + ">" : "";
            const std::string text = open + c.opener + "<![CDATA[-->" + Repeat("<a>", depth) + "]]>" +
                                     Repeat("</a>", depth) + close;
            EXPECT_FALSE(CXmlTextGuard::IsSafeToParse(text));
        }
    }
    // Real comments and CDATA sections still hide what they hold.
    EXPECT_TRUE(CXmlTextGuard::IsSafeToParse("<R><!----><!-- <a> --><![CDATA[]]><![CDATA[" + Repeat("<a>", 300) +
                                             "]]>" + kSiblings + "</R>"));
}

} // namespace
