#include "formats/doctext.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace dorva {
namespace {

TEST(DocText, EveryBreakFormBecomesCrLfAndAFinalEmptyLineIsNotCounted) {
    struct Case {
        const char* input;
        const char* normalized;
        int lines;
    };
    const Case cases[] = {
        {"", "", 0},
        {"a", "a", 1},
        {"a\r\nb", "a\r\nb", 2},
        {"a\nb", "a\r\nb", 2},
        {"a\rb", "a\r\nb", 2},
        {"a\r\r\nb", "a\r\n\r\nb", 3},
        {"\n\r", "\r\n\r\n", 2},
        {"a\n", "a\r\n", 1},
        {"\t\x82\xa0\n", "\t\x82\xa0\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.input));
        const DocText doc(c.input);
        EXPECT_EQ(doc.text(), c.normalized);
        EXPECT_EQ(doc.lineCount(), c.lines);
    }
}

// A lone CR or LF anywhere in a long text, also at the edges of the blocks that are checked at
// once, is found and turned into CR LF; nothing else changes.
TEST(DocText, LoneBreaksAreFoundAnywhereInALongText) {
    std::string clean;
    while (clean.size() < 200)
        clean += "<A>x</A>\r\n";
    EXPECT_EQ(normalizeLineBreaks(clean), clean);
    for (std::size_t at = 0; at < clean.size(); ++at) {
        for (const char lone : {'\r', '\n'}) {
            std::string text = clean;
            text[at] = lone;
            std::string expected;
            for (std::size_t i = 0; i < text.size(); ++i) {
                const bool pair = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
                if (text[i] == '\r' || text[i] == '\n')
                    expected += "\r\n";
                else
                    expected += text[i];
                i += pair ? 1 : 0;
            }
            ASSERT_EQ(normalizeLineBreaks(text), expected) << at << " " << int(lone);
        }
    }
}

TEST(DocText, LinesAreReadWholeWithoutTheirBreakAndEmptyBeyondTheEnd) {
    const std::string longLine(10000, 'x');
    const DocText doc("one\ntwo\r\n\r\n" + longLine + "\r\n");
    EXPECT_EQ(doc.line(0), "one");
    EXPECT_EQ(doc.line(1), "two");
    EXPECT_EQ(doc.line(2), "");
    EXPECT_EQ(doc.line(3), longLine);
    for (int beyond : {4, 100, -1})
        EXPECT_EQ(doc.line(beyond), "") << beyond;
    EXPECT_EQ(DocText().line(0), "");
}

TEST(DocText, EditsKeepTheBreaksAndIgnoreLinesBeyondTheEnd) {
    struct Case {
        const char* name;
        const char* text;
        std::function<void(DocText&)> edit;
        const char* expected;
    };
    const Case cases[] = {
        {"replace", "one\r\ntwo\r\nthree",
         [](DocText& d) {
             d.replaceLine(1, "2");
             d.replaceLine(2, "3");
             d.replaceLine(0, "");
         },
         "\r\n2\r\n3"},
        {"replace beyond", "one\r\ntwo", [](DocText& d) { d.replaceLine(2, "x"); }, "one\r\ntwo"},
        {"insert before", "a\r\nc\r\n",
         [](DocText& d) {
             d.insertLine(1, "b");
             d.insertLine(0, "");
         },
         "\r\na\r\nb\r\nc\r\n"},
        {"insert at count", "a\r\n", [](DocText& d) { d.insertLine(1, "b"); }, "a\r\nb\r\n"},
        {"insert after open line", "a", [](DocText& d) { d.insertLine(1, "b"); }, "a\r\nb\r\n"},
        {"insert into empty", "", [](DocText& d) { d.insertLine(0, "x"); }, "x\r\n"},
        {"insert beyond", "a\r\nb\r\n",
         [](DocText& d) {
             d.insertLine(5, "x");
             d.insertLine(-1, "x");
         },
         "a\r\nb\r\n"},
        {"add lines", "a",
         [](DocText& d) {
             d.addLines(DocText("b\r\n\r\nc"));
             d.addLines(DocText());
         },
         "a\r\nb\r\n\r\nc\r\n"},
        {"add an empty line", "", [](DocText& d) { d.addLines(DocText("\r\n")); }, "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocText doc(c.text);
        c.edit(doc);
        EXPECT_EQ(doc.text(), c.expected);
    }
}

} // namespace
} // namespace dorva
