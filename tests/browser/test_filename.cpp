#include "formats/codec.h"
#include "formats/filename.h"

#include <gtest/gtest.h>

using namespace dorva;

TEST(FileName, ShowsUtf8AsItIsAndAnythingElseAsCodePage932) {
    const struct {
        std::string bytes;
        bool utf8;
    } cases[] = {
        {"plain.mis", true},         {"テスト.mis", true},
        {"\xF0\x9F\x8E\xAE", true},  {"\x83\x65\x83\x58\x83\x67.mis", false}, // テスト
        {"\xC0\x80", false},                                                  // overlong
        {"\xED\xA0\x80", false},                                              // surrogate
        {"\xF4\x90\x80\x80", false},                                          // past U+10FFFF
        {"\xE3\x83", false},                                                  // cut short
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isUtf8(c.bytes), c.utf8) << c.bytes;
        EXPECT_EQ(fileNameText(c.bytes), c.utf8 ? c.bytes : cp932ToUtf8(c.bytes)) << c.bytes;
    }
    EXPECT_EQ(fileNameText("\x83\x65\x83\x58\x83\x67.mis"), "テスト.mis");
    // Each name of a path on its own: a UTF-8 folder holding a code page 932 file.
    EXPECT_EQ(pathText("/ゲーム/\x83\x65\x83\x58\x83\x67.mis"), "/ゲーム/テスト.mis");
    EXPECT_EQ(fileNameForms("テスト.mis"),
              std::vector<std::string>({"テスト.mis", "\x83\x65\x83\x58\x83\x67.mis"}));
    EXPECT_EQ(fileNameForms("plain.mis"), std::vector<std::string>({"plain.mis"}));
}
