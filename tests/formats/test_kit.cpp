#include "formats/doctext.h"
#include "formats/kitfile.h"
#include "formats/tagvalue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

namespace dorva {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const char* const kBothSlots = "<KitFile>\r\n"
                               "\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t<KitTexture>tex1</KitTexture>\r\n"
                               "\t<Firearm SlotNumber = \"0\">\r\n"
                               "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t\t<ItemFileName>m16.gun</ItemFileName>\r\n"
                               "\t\t<MagazineCount>5</MagazineCount>\r\n"
                               "\t\t<GrenadeLauncher>1</GrenadeLauncher>\r\n"
                               "\t</Firearm>\r\n"
                               "\t<Firearm SlotNumber = \"1\">\r\n"
                               "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t\t<ItemFileName>m9.gun</ItemFileName>\r\n"
                               "\t\t<MagazineCount>3</MagazineCount>\r\n"
                               "\t</Firearm>\r\n"
                               "</KitFile>\r\n";

const char* const kExtraAmmo = "<KitFile>\r\n"
                               "\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t<KitTexture>tex1</KitTexture>\r\n"
                               "\t<Firearm SlotNumber = \"0\">\r\n"
                               "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
                               "\t\t<ItemFileName>m16.gun</ItemFileName>\r\n"
                               "\t\t<MagazineCount>5</MagazineCount>\r\n"
                               "\t\t<ExtraAmmo>4</ExtraAmmo>\r\n"
                               "\t</Firearm>\r\n"
                               "</KitFile>\r\n";

const char* const kSecondOnly = "<KitFile>\r\n"
                                "\t<VersionNumber>1.000000</VersionNumber>\r\n"
                                "\t<KitTexture>tex2</KitTexture>\r\n"
                                "\t<HandHeldItem SlotNumber = \"1\">\r\n"
                                "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
                                "\t\t<ItemFileName>medkit.itm</ItemFileName>\r\n"
                                "\t\t<Count>2</Count>\r\n"
                                "\t</HandHeldItem>\r\n"
                                "</KitFile>\r\n";

KitRecord makeKit(const char* texture, const char* item1, const char* count1, const char* item2,
                  const char* count2) {
    KitRecord kit;
    kit.texture = texture;
    kit.item1 = item1;
    kit.count1 = count1;
    kit.item2 = item2;
    kit.count2 = count2;
    return kit;
}

void expectFields(const KitRecord& kit, const char* texture, const char* item1, const char* count1,
                  const char* item2, const char* count2) {
    EXPECT_EQ(kit.texture, texture);
    EXPECT_EQ(kit.item1, item1);
    EXPECT_EQ(kit.count1, count1);
    EXPECT_EQ(kit.item2, item2);
    EXPECT_EQ(kit.count2, count2);
}

// --- loading ---

TEST(KitLoad, BothSlotsWithGrenadeLauncher) {
    const KitRecord kit = loadKit(kBothSlots);
    expectFields(kit, "tex1", "m16.gun", "5", "m9.gun", "3");
    EXPECT_TRUE(kit.grenadeLauncher);
    EXPECT_FALSE(kit.extraAmmo);
}

TEST(KitLoad, ExtraAmmunitionFillsTheSecondCount) {
    const KitRecord kit = loadKit(kExtraAmmo);
    expectFields(kit, "tex1", "m16.gun", "5", "", "4");
    EXPECT_TRUE(kit.extraAmmo);
    EXPECT_FALSE(kit.grenadeLauncher);
}

TEST(KitLoad, ExtraAmmunitionWinsOverTheGrenadeLauncher) {
    const std::string text =
        replaceAll(kExtraAmmo, "\t\t<ExtraAmmo>4</ExtraAmmo>\r\n",
                   "\t\t<ExtraAmmo>4</ExtraAmmo>\r\n<GrenadeLauncher>1</GrenadeLauncher>\r\n");
    const KitRecord kit = loadKit(text);
    EXPECT_TRUE(kit.extraAmmo);
    EXPECT_FALSE(kit.grenadeLauncher);
    EXPECT_EQ(kit.count2, "4");
}

TEST(KitLoad, SecondSlotOnlyClearsTheFirstSlot) {
    const KitRecord kit = loadKit(kSecondOnly);
    expectFields(kit, "tex2", "", "", "medkit.itm", "2");
    EXPECT_FALSE(kit.grenadeLauncher);
    EXPECT_FALSE(kit.extraAmmo);
}

TEST(KitLoad, MissingTextureLineKeepsTheOtherLines) {
    const std::string text = replaceAll(kBothSlots, "\t<KitTexture>tex1</KitTexture>\r\n", "");
    expectFields(loadKit(text), "", "m16.gun", "5", "m9.gun", "3");
}

TEST(KitLoad, MissingLineSevenKeepsTheSecondSlot) {
    const std::string text =
        replaceAll(kBothSlots, "\t\t<GrenadeLauncher>1</GrenadeLauncher>\r\n", "");
    const KitRecord kit = loadKit(text);
    expectFields(kit, "tex1", "m16.gun", "5", "m9.gun", "3");
    EXPECT_FALSE(kit.grenadeLauncher);
}

TEST(KitLoad, OneLeadingEmptyLineIsDropped) {
    const KitRecord kit = loadKit(std::string("\r\n") + kBothSlots);
    expectFields(kit, "tex1", "m16.gun", "5", "m9.gun", "3");
    EXPECT_TRUE(kit.grenadeLauncher);
}

TEST(KitLoad, TwoLeadingEmptyLinesReadOneLineOff) {
    const KitRecord kit = loadKit(std::string("\r\n\r\n") + kBothSlots);
    EXPECT_EQ(kit.texture, "tex1");
    EXPECT_EQ(kit.item1, "");
    EXPECT_EQ(kit.count1, "");
    EXPECT_EQ(kit.item2, "");
    EXPECT_EQ(kit.count2, "");
}

TEST(KitLoad, GrenadeLauncherZeroStaysClear) {
    const std::string text = replaceAll(kBothSlots, "<GrenadeLauncher>1", "<GrenadeLauncher>0");
    EXPECT_FALSE(loadKit(text).grenadeLauncher);
}

TEST(KitLoad, CountTagIsReadWhateverItsName) {
    const std::string text = replaceAll(kBothSlots, "MagazineCount", "Count");
    expectFields(loadKit(text), "tex1", "m16.gun", "5", "m9.gun", "3");
}

TEST(KitLoad, LoneLineFeedsAreLineBreaks) {
    const std::string text = replaceAll(kBothSlots, "\r\n", "\n");
    expectFields(loadKit(text), "tex1", "m16.gun", "5", "m9.gun", "3");
}

TEST(KitLoad, ValueWithoutClosingTagOnItsLineIsEmpty) {
    const std::string text = replaceAll(kBothSlots, "m16.gun</ItemFileName>", "m16.gun");
    EXPECT_EQ(loadKit(text).item1, "");
}

TEST(KitLoad, EmptyOrForeignTextGivesEmptyFields) {
    expectFields(loadKit(""), "", "", "", "", "");
    expectFields(loadKit("</KitTexture>garbage<KitTexture>\r\n</x>"), "", "", "", "", "");
}

// --- saving ---

TEST(KitTemplate, HoldsFifteenLines) {
    const DocText doc(kitTemplate());
    ASSERT_EQ(doc.lineCount(), 15);
    EXPECT_EQ(doc.line(3), "\t<base SlotNumber = \"0\">");
    EXPECT_EQ(doc.line(7), "\t\t<GrenadeLauncher>base</GrenadeLauncher>");
    EXPECT_EQ(doc.line(14), "</KitFile>");
}

TEST(KitSave, BothSlotsWithGrenadeLauncherGiveFifteenLines) {
    KitRecord kit = makeKit("tex1", "m16.gun", "5", "m9.gun", "3");
    kit.grenadeLauncher = true;
    EXPECT_EQ(saveKit(kit), kBothSlots);
}

TEST(KitSave, ExtraAmmunitionGivesOneSlotWithItsCount) {
    KitRecord kit = makeKit("tex1", "m16.gun", "5", "", "4");
    kit.extraAmmo = true;
    EXPECT_EQ(saveKit(kit), kExtraAmmo);
}

TEST(KitSave, GrenadeLauncherLineStaysWhenBothFlagsAreSet) {
    KitRecord kit = makeKit("tex1", "m16.gun", "5", "", "4");
    kit.extraAmmo = true;
    kit.grenadeLauncher = true;
    const std::string saved = saveKit(kit);
    EXPECT_NE(saved.find("\t\t<GrenadeLauncher>1</GrenadeLauncher>\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("ExtraAmmo"), std::string::npos);
}

TEST(KitSave, BothItemsEmptyGiveFourLines) {
    EXPECT_EQ(saveKit(makeKit("t", "", "5", "", "3")),
              "<KitFile>\r\n\t<VersionNumber>1.000000</VersionNumber>\r\n"
              "\t<KitTexture>t</KitTexture>\r\n</KitFile>\r\n");
}

TEST(KitSave, SecondSlotAloneFollowsTheTexture) {
    const std::string saved = saveKit(makeKit("tex2", "", "", "medkit.itm", "2"));
    EXPECT_EQ(saved, kSecondOnly);
    expectFields(loadKit(saved), "tex2", "", "", "medkit.itm", "2");
}

struct NameCase {
    const char* item;
    const char* element;
    const char* countTag;
};

class KitSlotName : public ::testing::TestWithParam<NameCase> {};

TEST_P(KitSlotName, FollowsTheItemKind) {
    const NameCase& c = GetParam();
    const std::string element = c.element;
    const std::string count = c.countTag;
    const DocText first(saveKit(makeKit("t", c.item, "2", "", "")));
    EXPECT_EQ(first.line(3), "\t<" + element + " SlotNumber = \"0\">");
    EXPECT_EQ(first.line(5), std::string("\t\t<ItemFileName>") + c.item + "</ItemFileName>");
    EXPECT_EQ(first.line(6), "\t\t<" + count + ">2</" + count + ">");
    EXPECT_EQ(first.line(7), "\t</" + element + ">");

    const DocText second(saveKit(makeKit("t", "", "", c.item, "9")));
    EXPECT_EQ(second.line(3), "\t<" + element + " SlotNumber = \"1\">");
    EXPECT_EQ(second.line(6), "\t\t<" + count + ">9</" + count + ">");
    EXPECT_EQ(second.line(7), "\t</" + element + ">");
}

INSTANTIATE_TEST_SUITE_P(Items, KitSlotName,
                         ::testing::Values(NameCase{"m16.gun", "Firearm", "MagazineCount"},
                                           NameCase{"M16.GUN", "Firearm", "MagazineCount"},
                                           NameCase{"medkit.iTm", "HandHeldItem", "Count"},
                                           NameCase{"flashbang.prj", "ThrownItem", "Count"},
                                           NameCase{"FLASH.Prj", "ThrownItem", "Count"},
                                           NameCase{"rifle.xyz", "base", "MagazineCount"},
                                           NameCase{"x.it\\gun.gun", "Firearm", "Count"},
                                           NameCase{"a.pr.it", "HandHeldItem", "Count"},
                                           NameCase{"\x95\x5c.gun", "Firearm", "MagazineCount"},
                                           NameCase{"database", "base", "MagazineCount"}));

TEST(KitSave, FileEndsWithExactlyOneLineBreak) {
    for (const KitRecord& kit : {KitRecord(), makeKit("t", "a.gun", "1", "b.gun", "2")}) {
        const std::string saved = saveKit(kit);
        EXPECT_EQ(saved.substr(saved.size() - 12), "</KitFile>\r\n");
        EXPECT_EQ(saveKit(kit), saved);
    }
}

TEST(KitSave, EmptyCountIsWrittenEmpty) {
    const DocText saved(saveKit(makeKit("t", "a.gun", "", "", "")));
    EXPECT_EQ(saved.line(6), "\t\t<MagazineCount></MagazineCount>");
}

// --- files: loading and saving gives the expected bytes ---

class KitGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(KitGolden, LoadThenSaveGivesTheExpectedBytes) {
    const std::string dir = std::string(DORVA_TEST_DATA) + "/kit/";
    const std::string input = readFile(dir + GetParam() + ".kit");
    const std::string expected = readFile(dir + GetParam() + ".expected.kit");
    ASSERT_FALSE(input.empty());
    const std::string saved = saveKit(loadKit(DocText(input).text()));
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(saveKit(loadKit(saved)), saved);
}

INSTANTIATE_TEST_SUITE_P(Files, KitGolden,
                         ::testing::Values("both_slots_gl", "extra_ammo_lf", "second_slot_only",
                                           "no_texture"),
                         [](const auto& info) { return std::string(info.param); });

// --- work grows in step with the input ---

double secondsToLoadAndSave(const std::string& text) {
    const std::clock_t start = std::clock();
    const std::string saved = saveKit(loadKit(text));
    const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_GT(saved.size(), text.size() / 4);
    return took;
}

std::string bigKit(std::size_t bytes) {
    std::string filler = "\t\x95\x5c.gu.it ";
    while (filler.size() < bytes)
        filler += filler;
    return replaceAll(replaceAll(kBothSlots, "tex1", filler), "m9.gun", filler);
}

TEST(KitScaling, EightTimesTheInputTakesAtMostSixteenTimesTheTime) {
    // Processor time of this process only, so that other work on the machine does not count;
    // both inputs are larger than the processor caches.
    const std::string smallText = bigKit(1024 * 1024);
    const std::string largeText = bigKit(8 * 1024 * 1024);
    double small = 1e9;
    double large = 1e9;
    for (int run = 0; run < 3; ++run) {
        small = std::min(small, secondsToLoadAndSave(smallText));
        large = std::min(large, secondsToLoadAndSave(largeText));
    }
    EXPECT_LT(large, 16 * small) << small << " s vs " << large << " s";
    RecordProperty("seconds", std::to_string(small) + " vs " + std::to_string(large));
}

} // namespace
} // namespace dorva
