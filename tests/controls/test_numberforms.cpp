#include "controls/numberforms.h"

#include <gtest/gtest.h>

namespace dorva {
namespace {

struct NormalizeCase {
    const char* in;
    int width;
    const char* out;
};

TEST(NumberForms, NormalizeMapsEveryTextToANumberInRange) {
    const NormalizeCase cases[] = {
        {"", 8, "0"},
        {"2147483647", 8, "2147483647"},
        {"2147483648", 8, "0"},
        {"-2147483647", 8, "-2147483647"},
        {"-2147483648", 8, "0"},
        {"3000000000", 8, "0"},
        {"1999999999", 8, "1999999999"},
        {"0000000001", 8, "1"},
        {"00000000001", 8, "0"},
        {"12a", 8, "0"},
        {"-", 8, "0"},
        {"-0", 8, "0"},
        {"007", 8, "7"},
        {"--5", 8, "0"},
        {" 5", 8, "0"},
        {"\xef\xbc\x95", 8, "0"}, // a full-width digit is not a digit
        {"$FF", 8, "$000000FF"},
        {"$ff", 8, "$000000FF"},
        {"$", 8, "$00000000"},
        {"$0", 8, "$00000000"},
        {"$123456789", 8, "$00000000"},
        {"$0000000000FF", 8, "$000000FF"},
        {"$80000000", 8, "$80000000"},
        {"$FFFFFFFF", 8, "$FFFFFFFF"},
        {"$G1", 8, "$00000000"},
        {"$-1", 8, "$00000000"},
        {"$100", 2, "$00"},
        {"$ff", 2, "$FF"},
        {"$FFFFF", 4, "$0000"},
        {"$0FFFA", 4, "$FFFA"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normalizeNumber(c.in, c.width), c.out) << c.in << " width " << c.width;
}

TEST(NumberForms, SeparatorsGroupFoursFromTheRight) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"1234", "1234"},
        {"12345", "1_2345"},
        {"1234567", "123_4567"},
        {"-1234567", "-123_4567"},
        {"-2147483647", "-21_4748_3647"},
        {"-12345678", "-_1234_5678"},
        {"$000000FF", "$0000_00FF"},
        {"$00FF", "$00FF"},
        {"$FF", "$FF"},
        {"$", "$"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(insertSeparators(in), out) << in;
        EXPECT_EQ(removeSeparators(out), in) << out;
    }
    EXPECT_EQ(removeSeparators("_a__b_"), "ab");
}

TEST(NumberForms, FiltersKeepDigitsAndControlCharacters) {
    EXPECT_EQ(filterDecimal("1a2 b3-+."), "123");
    EXPECT_EQ(filterDecimal("\t1\x01x"), "\t1\x01");
    EXPECT_EQ(filterDecimal("\xe3\x81\x82"
                            "5\x82\xa0"),
              "5");
    EXPECT_EQ(filterHex("xAbz9G$f_"), "Ab9f");
    EXPECT_EQ(filterHex("\x7f"
                        "F"),
              "F");
}

TEST(NumberForms, ParseReadsDecimalAndDollarHexWithinThirtyTwoBits) {
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(parseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(parseInteger("$00000000FF"), 255);
    EXPECT_EQ(parseInteger("$abc"), 0xABC);
    for (const char* bad : {"", "-", "$", "2147483648", "-2147483649", "99999999999999999999",
                            "12a", "$100000000", "$G", "1_000", " 1"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
}

TEST(NumberForms, HexFormPadsAndShowsNegativesInEightDigits) {
    EXPECT_EQ(hexForm(255, 2), "$FF");
    EXPECT_EQ(hexForm(255, 8), "$000000FF");
    EXPECT_EQ(hexForm(256, 2), "$100");
    EXPECT_EQ(hexForm(-1, 2), "$FFFFFFFF");
    EXPECT_EQ(hexForm(INT32_MIN, 4), "$80000000");
    EXPECT_EQ(decimalForm(INT32_MIN), "-2147483648");
}

} // namespace
} // namespace dorva
