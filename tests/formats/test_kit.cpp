#include "formats/doctext.h"
#include "formats/kitfile.h"
#include "formats/tagvalue.h"
#include "scaling.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <string>

namespace dorva {
namespace {

using testfiles::readData;

// The record in one line: texture|item1|count1|GL|item2|count2|EX, a flag shown as - when clear.
std::string fields(const KitRecord& k) {
    return k.texture + "|" + k.item1 + "|" + k.count1 + (k.grenadeLauncher ? "|GL|" : "|-|") +
           k.item2 + "|" + k.count2 + (k.extraAmmo ? "|EX" : "|-");
}

// Both slots, a grenade launcher and a code page texture name.
std::string bothSlots() {
    return readData("kit/both_slots_gl.expected.kit");
}

// Loading and saving the hand-made files is checked byte for byte below; these are the
// documents those files do not show.
TEST(KitLoad, ReadsTheValuesByLinePosition) {
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const std::string both = bothSlots();
    const std::string extra = readData("kit/extra_ammo_lf.expected.kit");
    const std::string bothFields = "\x96\xc0\x8d\xca.rsb|m16.gun|5|GL|flashbang.prj|3|-";
    const Case cases[] = {
        {"extra ammo wins over the grenade launcher",
         replaceAll(extra, "</ExtraAmmo>\r\n",
                    "</ExtraAmmo>\r\n<GrenadeLauncher>1</GrenadeLauncher>\r\n"),
         "tex1|mp5.gun|6|-||4|EX"},
        {"missing line seven keeps the second slot",
         replaceAll(both, "\t\t<GrenadeLauncher>1</GrenadeLauncher>\r\n", ""),
         "\x96\xc0\x8d\xca.rsb|m16.gun|5|-|flashbang.prj|3|-"},
        {"two leading empty lines read one line off", "\r\n\r\n" + both,
         "\x96\xc0\x8d\xca.rsb|||GL|||-"},
        {"count tag read whatever its name", replaceAll(both, "MagazineCount", "Count"),
         bothFields},
        {"lone line feeds are line breaks", replaceAll(both, "\r\n", "\n"), bothFields},
        {"value without closing tag on its line is empty",
         replaceAll(both, "m16.gun</ItemFileName>", "m16.gun"),
         "\x96\xc0\x8d\xca.rsb||5|GL|flashbang.prj|3|-"},
        {"empty text", "", "|||-|||-"},
        {"foreign text", "</KitTexture>garbage<KitTexture>\r\n</x>", "|||-|||-"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fields(loadKit(c.text)), c.expected) << c.name;
}

TEST(KitSave, EdgesOfTheLayout) {
    EXPECT_EQ(saveKit(KitRecord{"t", "", "5", false, "", "3", false}),
              "<KitFile>\r\n\t<VersionNumber>1.000000</VersionNumber>\r\n"
              "\t<KitTexture>t</KitTexture>\r\n</KitFile>\r\n");
    EXPECT_EQ(DocText(saveKit(KitRecord{"t", "a.gun", "", false, "", "", false})).line(6),
              "\t\t<MagazineCount></MagazineCount>");
    // With both flags set the grenade launcher line stays and extra ammo is not written.
    const std::string both = saveKit(KitRecord{"t", "m16.gun", "5", true, "", "4", true});
    EXPECT_NE(both.find("\t\t<GrenadeLauncher>1</GrenadeLauncher>\r\n"), std::string::npos);
    EXPECT_EQ(both.find("ExtraAmmo"), std::string::npos);
}

TEST(KitSave, SlotElementAndCountTagFollowTheItemKind) {
    struct Case {
        const char* item;
        const char* element;
        const char* count;
    };
    const Case cases[] = {
        {"M16.GUN", "Firearm", "MagazineCount"},      {"medkit.iTm", "HandHeldItem", "Count"},
        {"FLASH.Prj", "ThrownItem", "Count"},         {"rifle.xyz", "base", "MagazineCount"},
        {"x.it\\gun.gun", "Firearm", "Count"},        {"a.pr.it", "HandHeldItem", "Count"},
        {"\x95\x5c.gun", "Firearm", "MagazineCount"}, {"database", "base", "MagazineCount"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const auto slot = [&c](const char* number, const char* count) {
            return "\t<" + std::string(c.element) + " SlotNumber = \"" + number +
                   "\">\r\n\t\t<VersionNumber>1.000000</VersionNumber>\r\n\t\t<ItemFileName>" +
                   c.item + "</ItemFileName>\r\n\t\t" + openTag(c.count) + count +
                   closeTag(c.count) + "\r\n\t" + closeTag(c.element) + "\r\n";
        };
        EXPECT_NE(saveKit(KitRecord{"t", c.item, "2", false, "", "", false}).find(slot("0", "2")),
                  std::string::npos);
        EXPECT_NE(saveKit(KitRecord{"t", "", "", false, c.item, "9", false}).find(slot("1", "9")),
                  std::string::npos);
    }
}

TEST(KitGolden, LoadThenSaveGivesTheExpectedBytes) {
    for (const std::string name :
         {"both_slots_gl", "extra_ammo_lf", "second_slot_only", "no_texture"}) {
        SCOPED_TRACE(name);
        const std::string input = readData("kit/" + name + ".kit");
        ASSERT_FALSE(input.empty());
        const std::string saved = saveKit(loadKit(DocText(input).text()));
        EXPECT_EQ(saved, readData("kit/" + name + ".expected.kit"));
        EXPECT_EQ(saveKit(loadKit(saved)), saved);
    }
}

TEST(KitScaling, EightTimesTheInputTakesFarLessThanQuadraticTime) {
    expectLinearTime(
        [](std::size_t bytes) {
            std::string filler = "\t\x95\x5c.gu.it ";
            while (filler.size() < bytes)
                filler += filler;
            return replaceAll(replaceAll(bothSlots(), "\x96\xc0\x8d\xca.rsb", filler),
                              "flashbang.prj", filler);
        },
        [](const std::string& text) { return saveKit(loadKit(text)); });
}

} // namespace
} // namespace dorva
