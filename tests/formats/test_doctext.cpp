#include "formats/doctext.h"

#include <gtest/gtest.h>

#include <string>

namespace dorva {
namespace {

struct BreakCase {
    const char* input;
    const char* normalized;
};

class DocTextBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(DocTextBreaks, EveryBreakFormBecomesCrLf) {
    EXPECT_EQ(DocText(GetParam().input).text(), GetParam().normalized);
}

INSTANTIATE_TEST_SUITE_P(Forms, DocTextBreaks,
                         ::testing::Values(BreakCase{"a\r\nb", "a\r\nb"},
                                           BreakCase{"a\nb", "a\r\nb"}, BreakCase{"a\rb", "a\r\nb"},
                                           BreakCase{"a\r\r\nb", "a\r\n\r\nb"},
                                           BreakCase{"\n\r", "\r\n\r\n"}, BreakCase{"a\n", "a\r\n"},
                                           BreakCase{"", ""},
                                           BreakCase{"\t\x82\xa0\n", "\t\x82\xa0\r\n"}));

struct CountCase {
    const char* text;
    int lines;
};

class DocTextCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(DocTextCount, FinalEmptyLineIsNotCounted) {
    EXPECT_EQ(DocText(GetParam().text).lineCount(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, DocTextCount,
                         ::testing::Values(CountCase{"", 0}, CountCase{"a", 1},
                                           CountCase{"a\r\n", 1}, CountCase{"a\r\nb", 2},
                                           CountCase{"\r\n", 1}, CountCase{"a\r\n\r\n", 2},
                                           CountCase{"\n\n\n", 3}));

TEST(DocText, LinesAreReadWithoutTheirBreak) {
    const DocText doc("one\ntwo\r\n\r\nfour");
    EXPECT_EQ(doc.line(0), "one");
    EXPECT_EQ(doc.line(1), "two");
    EXPECT_EQ(doc.line(2), "");
    EXPECT_EQ(doc.line(3), "four");
}

TEST(DocText, LinesBeyondTheEndAreEmpty) {
    const DocText doc("one\r\ntwo\r\n");
    EXPECT_EQ(doc.line(2), "");
    EXPECT_EQ(doc.line(100), "");
    EXPECT_EQ(doc.line(-1), "");
    EXPECT_EQ(DocText().line(0), "");
}

TEST(DocText, LongLinesAreReadWhole) {
    const std::string longLine(10000, 'x');
    const DocText doc("a\r\n" + longLine + "\r\nb");
    EXPECT_EQ(doc.line(1), longLine);
    EXPECT_EQ(doc.line(2), "b");
}

TEST(DocText, ReplaceLineKeepsTheBreaks) {
    DocText doc("one\r\ntwo\r\nthree");
    doc.replaceLine(1, "2");
    doc.replaceLine(2, "3");
    EXPECT_EQ(doc.text(), "one\r\n2\r\n3");
    doc.replaceLine(0, "");
    EXPECT_EQ(doc.text(), "\r\n2\r\n3");
    doc.replaceLine(3, "beyond");
    EXPECT_EQ(doc.text(), "\r\n2\r\n3");
}

TEST(DocText, InsertLinePutsTheLineBeforeTheIndex) {
    DocText doc("a\r\nc\r\n");
    doc.insertLine(1, "b");
    EXPECT_EQ(doc.text(), "a\r\nb\r\nc\r\n");
    doc.insertLine(0, "");
    EXPECT_EQ(doc.text(), "\r\na\r\nb\r\nc\r\n");
}

TEST(DocText, InsertLineAtTheCountAppends) {
    DocText terminated("a\r\n");
    terminated.insertLine(1, "b");
    EXPECT_EQ(terminated.text(), "a\r\nb\r\n");

    DocText open("a");
    open.insertLine(1, "b");
    EXPECT_EQ(open.text(), "a\r\nb\r\n");

    DocText empty;
    empty.insertLine(0, "x");
    EXPECT_EQ(empty.text(), "x\r\n");
}

TEST(DocText, InsertLineFarBeyondTheEndDoesNothing) {
    DocText doc("a\r\nb\r\n");
    doc.insertLine(5, "x");
    doc.insertLine(-1, "x");
    EXPECT_EQ(doc.text(), "a\r\nb\r\n");
}

TEST(DocText, AddLinesAppendsEveryLine) {
    DocText doc("a");
    doc.addLines(DocText("b\r\n\r\nc"));
    EXPECT_EQ(doc.text(), "a\r\nb\r\n\r\nc\r\n");
    EXPECT_EQ(doc.lineCount(), 4);
    doc.addLines(DocText());
    EXPECT_EQ(doc.text(), "a\r\nb\r\n\r\nc\r\n");

    DocText blank;
    blank.addLines(DocText("\r\n"));
    EXPECT_EQ(blank.text(), "\r\n");
}

} // namespace
} // namespace dorva
