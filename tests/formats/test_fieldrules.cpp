#include "formats/error.h"
#include "formats/fieldrules.h"
#include "formats/kitfile.h"
#include "formats/missionfile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace dorva {
namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(FieldKeys, OnlyDigitsAndBackspacePass) {
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(isAcceptedFieldKey(c));
    EXPECT_TRUE(isAcceptedFieldKey(8));
    for (char32_t c : {U'-', U'+', U'.', U'a', U' ', U'\r', U'\t', char32_t(22), char32_t(3),
                       char32_t(127), U'０', U'$'})
        EXPECT_FALSE(isAcceptedFieldKey(c)) << static_cast<unsigned>(c);
}

struct IntegerCase {
    const char* text;
    int value;
};

class StrictInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(StrictInteger, Converts) {
    EXPECT_EQ(toInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Accepted, StrictInteger,
                         ::testing::Values(IntegerCase{"0", 0}, IntegerCase{"007", 7},
                                           IntegerCase{"-0", 0}, IntegerCase{"+5", 5},
                                           IntegerCase{"-12", -12},
                                           IntegerCase{"2147483647", 2147483647},
                                           IntegerCase{"-2147483648", -2147483647 - 1},
                                           IntegerCase{"00000000000000000000300", 300}));

class NotAnInteger : public ::testing::TestWithParam<const char*> {};

TEST_P(NotAnInteger, FailsNamingTheText) {
    const std::string text = GetParam();
    EXPECT_EQ(errorOf([&] { toInteger(text); }), "'" + text + "' は整数ではありません");
}

INSTANTIATE_TEST_SUITE_P(Refused, NotAnInteger,
                         ::testing::Values("", "-", "+", " 1", "1 ", "1.0", "$FF", "0x1", "--1",
                                           "+-1", "1a", "2147483648", "-2147483649",
                                           "99999999999999999999", "1e3"));

TEST(NotAnInteger, CodePageTextIsShownConverted) {
    EXPECT_EQ(errorOf([] { toInteger("\x82\x50\x82\x4f"); }), "'１０' は整数ではありません");
}

struct RepairCase {
    std::function<std::string(const std::string&)> repair;
    const char* text;
    const char* repaired;
};

class FieldRepair : public ::testing::TestWithParam<RepairCase> {};

TEST_P(FieldRepair, OnLeavingTheField) {
    EXPECT_EQ(GetParam().repair(GetParam().text), GetParam().repaired);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FieldRepair,
    ::testing::Values(
        RepairCase{repairStatistic, "", "1"}, RepairCase{repairStatistic, "0", "0"},
        RepairCase{repairStatistic, "255", "255"}, RepairCase{repairStatistic, "256", "255"},
        RepairCase{repairStatistic, "0300", "255"}, RepairCase{repairStatistic, "007", "007"},
        RepairCase{repairStatistic, "-5", "-5"}, RepairCase{repairCount, "", "1"},
        RepairCase{repairCount, "0", "0"}, RepairCase{repairCount, "1000", "1000"},
        RepairCase{repairCount, "5000", "1000"}, RepairCase{repairCount, "0042", "0042"},
        RepairCase{repairColour, "", "255"}, RepairCase{repairColour, "256", "255"},
        RepairCase{repairColour, "007", "007"}, RepairCase{repairColour, "255", "255"},
        RepairCase{repairFogDistance, "", "0"}, RepairCase{repairFogDistance, "99999", "99999"},
        RepairCase{repairFogDistance, "x y", "x y"}));

TEST(FieldRepair, TextThatIsNoNumberFails) {
    EXPECT_EQ(errorOf([] { repairStatistic("12a"); }), "'12a' は整数ではありません");
    EXPECT_EQ(errorOf([] { repairCount("99999999999"); }), "'99999999999' は整数ではありません");
    EXPECT_EQ(errorOf([] { repairColour(" "); }), "' ' は整数ではありません");
}

TEST(KitInterlock, ExtraAmmoClearsGrenadeLauncherAndSecondItem) {
    KitRecord kit;
    kit.grenadeLauncher = true;
    kit.item2 = "m9.gun";
    setExtraAmmo(kit, true);
    EXPECT_TRUE(kit.extraAmmo);
    EXPECT_FALSE(kit.grenadeLauncher);
    EXPECT_EQ(kit.item2, "");
    EXPECT_EQ(kit.count2, "1");
    EXPECT_FALSE(secondItemEnabled(kit));

    KitRecord counted;
    counted.count2 = "4";
    setExtraAmmo(counted, true);
    EXPECT_EQ(counted.count2, "4");
}

TEST(KitInterlock, ClearingExtraAmmoChangesNothingElse) {
    KitRecord kit;
    kit.grenadeLauncher = true;
    kit.extraAmmo = true;
    kit.item2 = "x";
    kit.count2 = "";
    setExtraAmmo(kit, false);
    EXPECT_FALSE(kit.extraAmmo);
    EXPECT_TRUE(kit.grenadeLauncher);
    EXPECT_EQ(kit.item2, "x");
    EXPECT_EQ(kit.count2, "");
    EXPECT_TRUE(secondItemEnabled(kit));
}

TEST(KitInterlock, GrenadeLauncherClearsExtraAmmo) {
    KitRecord kit;
    setExtraAmmo(kit, true);
    setGrenadeLauncher(kit, true);
    EXPECT_TRUE(kit.grenadeLauncher);
    EXPECT_FALSE(kit.extraAmmo);
    EXPECT_EQ(kit.count2, "1");
    EXPECT_TRUE(secondItemEnabled(kit));

    setExtraAmmo(kit, true);
    setGrenadeLauncher(kit, false);
    EXPECT_TRUE(kit.extraAmmo);
    EXPECT_FALSE(kit.grenadeLauncher);
}

TEST(MissionFields, IntensityFollowsThePrecipitation) {
    EXPECT_FALSE(intensityEnabled(Precipitation::Clear));
    EXPECT_TRUE(intensityEnabled(Precipitation::Rain));
    EXPECT_TRUE(intensityEnabled(Precipitation::Snow));
}

} // namespace
} // namespace dorva
