#include "formats/tagvalue.h"

#include <gtest/gtest.h>

namespace dorva {
namespace {

TEST(TagValueRule, ReadsTheValueBetweenFirstOccurrences) {
    struct Case {
        const char* name;
        const char* text;
        const char* tag;
        const char* expected;
    };
    const Case cases[] = {
        {"plain", "<A>x</A>", "A", "x"},
        {"first occurrence wins", "<A>1</A><A>2</A>", "A", "1"},
        {"nothing trimmed", "<A> \tx \t</A>", "A", " \tx \t"},
        {"empty value", "<A></A>", "A", ""},
        {"spans lines", "<A>a\r\nb</A>", "A", "a\r\nb"},
        {"missing close", "<A>x", "A", ""},
        {"close before open", "</A><A>x</A>", "A", ""},
        {"missing open with stray close", "junk text</A>", "A", ""},
        {"missing both", "nothing here", "A", ""},
        {"case sensitive", "<a>x</a><A>y</A>", "A", "y"},
        {"case sensitive miss", "<a>x</a>", "A", ""},
        {"angle bracket keeps names apart", "<DesertLOD2>d</DesertLOD2><LOD2>n</LOD2>", "LOD2",
         "n"},
        {"searches are independent", "<A>x<B></A>y</B>", "B", "</A>y"},
        {"double-byte text", "<A>\x93\xfa\x96\x7b</A>", "A", "\x93\xfa\x96\x7b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tagValue(c.text, openTag(c.tag), closeTag(c.tag)), c.expected);
    }
    // A mission naming FogOverride without the element searches an empty view without storage.
    EXPECT_EQ(tagValue(std::string_view(), "Near = \"", "\" Fa"), "");
}

TEST(TagValueRule, SpanTellsWhetherTheOpeningTagWasFound) {
    const ValueSpan missing = findValue("</A>", "<A>", "</A>");
    EXPECT_FALSE(missing.openFound);
    EXPECT_EQ(missing.length, 0u);

    const ValueSpan open = findValue("ab<A>", "<A>", "</A>");
    EXPECT_TRUE(open.openFound);
    EXPECT_EQ(open.start, 5u);
    EXPECT_EQ(open.length, 0u);

    const ValueSpan found = findValue("<A>xyz</A>", "<A>", "</A>");
    EXPECT_EQ(found.start, 3u);
    EXPECT_EQ(found.length, 3u);
}

TEST(ReplaceAll, InsertedTextIsNotSearchedAgain) {
    EXPECT_EQ(replaceAll("base-base", "base", "database"), "database-database");
    EXPECT_EQ(replaceAll("aaaa", "aa", "a"), "aa");
    EXPECT_EQ(replaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replaceAll("x", "", "y"), "x");
    EXPECT_EQ(replaceAll("\t\t\r\n", "\t\r\n", ""), "\t");
}

} // namespace
} // namespace dorva
