#include "formats/tagvalue.h"

#include <gtest/gtest.h>

namespace dorva {
namespace {

struct ValueCase {
    const char* name;
    const char* text;
    const char* tag;
    const char* expected;
};

class TagValueRule : public ::testing::TestWithParam<ValueCase> {};

TEST_P(TagValueRule, ReadsTheValueBetweenFirstOccurrences) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(tagValue(c.text, openTag(c.tag), closeTag(c.tag)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TagValueRule,
    ::testing::Values(ValueCase{"Plain", "<A>x</A>", "A", "x"},
                      ValueCase{"FirstOccurrenceWins", "<A>1</A><A>2</A>", "A", "1"},
                      ValueCase{"NothingTrimmed", "<A> \tx \t</A>", "A", " \tx \t"},
                      ValueCase{"EmptyValue", "<A></A>", "A", ""},
                      ValueCase{"SpansLines", "<A>a\r\nb</A>", "A", "a\r\nb"},
                      ValueCase{"MissingClose", "<A>x", "A", ""},
                      ValueCase{"CloseBeforeOpen", "</A><A>x</A>", "A", ""},
                      ValueCase{"MissingOpenWithStrayClose", "junk text</A>", "A", ""},
                      ValueCase{"MissingBoth", "nothing here", "A", ""},
                      ValueCase{"CaseSensitive", "<a>x</a><A>y</A>", "A", "y"},
                      ValueCase{"CaseSensitiveMiss", "<a>x</a>", "A", ""},
                      ValueCase{"AngleBracketKeepsNamesApart",
                                "<DesertLOD2>d</DesertLOD2><LOD2>n</LOD2>", "LOD2", "n"},
                      ValueCase{"SearchesAreIndependent", "<A>x<B></A>y</B>", "B", "</A>y"},
                      ValueCase{"DoubleByteText", "<A>\x93\xfa\x96\x7b</A>", "A",
                                "\x93\xfa\x96\x7b"}),
    [](const auto& info) { return std::string(info.param.name); });

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

TEST(Tags, AreBuiltFromTheName) {
    EXPECT_EQ(openTag("MapName"), "<MapName>");
    EXPECT_EQ(closeTag("MapName"), "</MapName>");
}

// A mission naming FogOverride without the element searches an empty view without storage.
TEST(TagValueRule, EmptyViewWithoutStorage) {
    EXPECT_EQ(tagValue(std::string_view(), "Near = \"", "\" Fa"), "");
}

} // namespace
} // namespace dorva
