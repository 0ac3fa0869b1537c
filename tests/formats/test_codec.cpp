#include "formats/codec.h"
#include "formats/error.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace dorva {
namespace {

std::string roundTrip(const std::string& bytes) {
    const std::optional<std::string> back = utf8ToCp932(cp932ToUtf8(bytes));
    return back ? *back : std::string("<refused>");
}

// Pairs hold every byte alone at the end (after 'A') as well as every lead and trail byte.
TEST(Codec, EveryTwoByteSequenceAndRandomTextComeBack) {
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
            ASSERT_EQ(roundTrip(bytes), bytes) << "bytes " << lead << " " << trail;
        }
    }
    std::mt19937 random(932);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int sample = 0; sample < 200; ++sample) {
        std::string bytes(1 + sample * 7 % 300, '\0');
        for (char& c : bytes)
            c = static_cast<char>(byte(random));
        ASSERT_EQ(roundTrip(bytes), bytes) << "sample " << sample;
    }
}

TEST(Codec, JapaneseTextConverts) {
    const std::string cp932 = "\x93\xfa\x96\x7b\x8c\xea\xb1 A";
    const std::string utf8 = "日本語ｱ A";
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
    EXPECT_EQ(utf8ToCp932(utf8), cp932);
}

// A pair without a character of its own (NEC and IBM duplicates) must not lend its trail byte
// to the next pair: the characters after it read as they are.
TEST(Codec, PairsWithoutACharacterKeepTheirTrailByte) {
    EXPECT_EQ(cp932ToUtf8("\x87\x90\x81\xe0"), "\uF787\uF790≒");
    EXPECT_EQ(cp932ToUtf8("\xed\x40\x82\xa0"), "\uF7ED@あ");
}

// ASCII goes in runs: a character that is not ASCII is found wherever it stands in a long
// ASCII text, in both directions.
TEST(Codec, NonAsciiCharactersAreFoundAnywhereInALongText) {
    const std::string ascii(70, 'a');
    const struct {
        std::string cp932;
        std::string utf8;
    } cases[] = {
        {"\x93\xfa", "日"}, {"\xb1", "ｱ"}, {"\x80", "\uF780"}, {"\x87\x90", "\uF787\uF790"}};
    for (const auto& c : cases) {
        for (std::size_t at = 0; at <= ascii.size(); ++at) {
            const std::string head = ascii.substr(0, at);
            const std::string tail = ascii.substr(at);
            ASSERT_EQ(cp932ToUtf8(head + c.cp932 + tail), head + c.utf8 + tail) << at;
            ASSERT_EQ(utf8ToCp932(head + c.utf8 + tail), head + c.cp932 + tail) << at;
        }
    }
}

// The escapes written one character at a time, against which the one-pass conversion is held.
std::string escapedOneByOne(const std::string& utf8) {
    std::string out;
    for (const char c : utf8)
        out += c == '\\' ? "\\\\" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return out;
}

// Converting with the escapes gives the escaped conversion, wherever the characters to escape
// stand: in ASCII runs of any length, as a trail byte of a pair without a character of its own,
// next to tabs and other control characters, and across the converter's buffer.
TEST(Codec, EscapedConversionEscapesTheConvertedText) {
    for (int lead = 0; lead < 256; ++lead) {
        for (const int trail : {0x00, 0x09, 0x0A, 0x0D, 0x40, 0x5C, 0x7E, 0x80, 0xA0, 0xFC}) {
            const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
            ASSERT_EQ(cp932ToEscapedUtf8(bytes), escapedOneByOne(cp932ToUtf8(bytes)))
                << lead << " " << trail;
        }
    }
    const std::string pieces[] = {
        "\\",       "\r\n", "\t",   "\x0b", "abcdefg",  "\x93\xfa", "\x95\x5c",
        "\x87\x5c", "\xb1", "\x81", "\x80", "\xed\x40", "\xff",     "Secure the town "};
    std::mt19937 random(5);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int sample = 0; sample < 60; ++sample) {
        std::string bytes;
        while (bytes.size() < static_cast<std::size_t>(sample * 211))
            bytes += pieces[pick(random)];
        ASSERT_EQ(cp932ToEscapedUtf8(bytes), escapedOneByOne(cp932ToUtf8(bytes))) << sample;
    }
}

TEST(Codec, CharactersOutsideTheCodePageAndMalformedUtf8AreRefused) {
    std::string bad;
    EXPECT_FALSE(utf8ToCp932("a€b", &bad).has_value());
    EXPECT_EQ(bad, "€");
    try {
        utf8ToCp932OrThrow("a€b", "Name");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), messageCannotEncode("Name", "€"));
    }
    EXPECT_FALSE(utf8ToCp932("\xe6\x97").has_value());
    EXPECT_FALSE(utf8ToCp932("\xff").has_value());
}

} // namespace
} // namespace dorva
