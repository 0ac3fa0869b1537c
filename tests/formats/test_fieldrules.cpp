#include "formats/error.h"
#include "formats/fieldrules.h"
#include "formats/kitfile.h"
#include "formats/missionfile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace dorva {
namespace {

using Rule = std::function<std::string(const std::string&)>;

// The rule's result, or the message it fails with.
std::string outcome(const Rule& rule, const std::string& text) {
    try {
        return rule(text);
    } catch (const Error& e) {
        return e.what();
    }
}

std::string notInteger(const std::string& text) {
    return "'" + text + "' は整数ではありません";
}

TEST(FieldKeys, OnlyDigitsAndBackspacePass) {
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(isAcceptedFieldKey(c));
    EXPECT_TRUE(isAcceptedFieldKey(8));
    for (char32_t c : {U'-', U'+', U'.', U'a', U' ', U'\r', U'\t', char32_t(22), char32_t(3),
                       char32_t(127), U'０', U'$'})
        EXPECT_FALSE(isAcceptedFieldKey(c)) << static_cast<unsigned>(c);
}

TEST(FieldRules, IntegersAndRepairsOnLeavingTheField) {
    const Rule integer = [](const std::string& t) { return std::to_string(toInteger(t)); };
    struct Case {
        const Rule& rule;
        const char* text;
        std::string expected;
    };
    const Rule statistic = repairStatistic, count = repairCount, colour = repairColour,
               fog = repairFogDistance;
    const Case cases[] = {
        {integer, "0", "0"},
        {integer, "007", "7"},
        {integer, "-0", "0"},
        {integer, "+5", "5"},
        {integer, "-12", "-12"},
        {integer, "2147483647", "2147483647"},
        {integer, "-2147483648", "-2147483648"},
        {integer, "00000000000000000000300", "300"},
        // Code page text in the message is shown converted.
        {integer, "\x82\x50\x82\x4f", notInteger("１０")},
        {statistic, "", "1"},
        {statistic, "0", "0"},
        {statistic, "255", "255"},
        {statistic, "256", "255"},
        {statistic, "0300", "255"},
        {statistic, "007", "007"},
        {statistic, "-5", "-5"},
        {statistic, "12a", notInteger("12a")},
        {count, "", "1"},
        {count, "0", "0"},
        {count, "1000", "1000"},
        {count, "5000", "1000"},
        {count, "0042", "0042"},
        {count, "99999999999", notInteger("99999999999")},
        {colour, "", "255"},
        {colour, "256", "255"},
        {colour, "007", "007"},
        {colour, "255", "255"},
        {colour, " ", notInteger(" ")},
        {fog, "", "0"},
        {fog, "99999", "99999"},
        {fog, "x y", "x y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(outcome(c.rule, c.text), c.expected) << c.text;
    for (const char* text : {"", "-", "+", " 1", "1 ", "1.0", "$FF", "0x1", "--1", "+-1", "1a",
                             "2147483648", "-2147483649", "99999999999999999999", "1e3"})
        EXPECT_EQ(outcome(integer, text), notInteger(text));
}

TEST(KitInterlock, ExtraAmmoAndGrenadeLauncherExcludeEachOther) {
    KitRecord kit;
    kit.grenadeLauncher = true;
    kit.item2 = "m9.gun";
    setExtraAmmo(kit, true);
    EXPECT_TRUE(kit.extraAmmo);
    EXPECT_FALSE(kit.grenadeLauncher);
    EXPECT_EQ(kit.item2, "");
    EXPECT_EQ(kit.count2, "1");
    EXPECT_FALSE(secondItemEnabled(kit));

    setGrenadeLauncher(kit, true);
    EXPECT_TRUE(kit.grenadeLauncher);
    EXPECT_FALSE(kit.extraAmmo);
    EXPECT_EQ(kit.count2, "1");
    EXPECT_TRUE(secondItemEnabled(kit));

    // Clearing a box changes nothing else; a count already held stays.
    KitRecord counted;
    counted.count2 = "4";
    setExtraAmmo(counted, true);
    EXPECT_EQ(counted.count2, "4");
    setGrenadeLauncher(counted, false);
    EXPECT_TRUE(counted.extraAmmo);
    counted.grenadeLauncher = true;
    counted.item2 = "x";
    counted.count2 = "";
    setExtraAmmo(counted, false);
    EXPECT_FALSE(counted.extraAmmo);
    EXPECT_TRUE(counted.grenadeLauncher);
    EXPECT_EQ(counted.item2, "x");
    EXPECT_EQ(counted.count2, "");
    EXPECT_TRUE(secondItemEnabled(counted));
}

TEST(MissionFields, IntensityFollowsThePrecipitation) {
    EXPECT_FALSE(intensityEnabled(Precipitation::Clear));
    EXPECT_TRUE(intensityEnabled(Precipitation::Rain));
    EXPECT_TRUE(intensityEnabled(Precipitation::Snow));
}

} // namespace
} // namespace dorva
