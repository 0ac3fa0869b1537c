#include "formats/actorfile.h"
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/tagvalue.h"
#include "scaling.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace dorva {
namespace {

using E = ActorElement;
using testfiles::readData;

TEST(ActorLoad, EmptyDocumentGivesTheFreshPage) {
    const ActorRecord record = loadActor("");
    for (std::size_t i = 0; i < kActorElementCount; ++i) {
        const auto e = static_cast<ActorElement>(i);
        const char* fresh = e == E::ClassName ? "demolitions" : e == E::ArmorLevel ? "0" : "";
        EXPECT_EQ(record[e], fresh) << actorElementName(e);
    }
}

TEST(ActorLoad, ValuesAreTakenAsReadWhereverTheirTagsStand) {
    struct Case {
        const char* text;
        ActorElement element;
        const char* expected;
    };
    const char* const scattered =
        "<DesertLOD2>d</DesertLOD2><DesertModelFace>df</DesertModelFace>\n"
        "<LOD2>n</LOD2>   <ModelFace>f</ModelFace>\r<JungleLOD4>j</JungleLOD4>";
    const Case cases[] = {
        // Only the first character of the armour level counts.
        {"<ArmorLevel>2</ArmorLevel>", E::ArmorLevel, "2"},
        {"<ArmorLevel>10</ArmorLevel>", E::ArmorLevel, "1"},
        {"<ArmorLevel>7</ArmorLevel>", E::ArmorLevel, "7"},
        {"<ArmorLevel>3", E::ArmorLevel, "3"},
        {"<ArmorLevel>0</Armor>", E::ArmorLevel, "0"},
        {"<armorlevel>2</armorlevel>", E::ArmorLevel, "0"},
        // The class is kept as read, whether on the list or not; it defaults only when absent.
        {"<ClassName>sniper</ClassName>", E::ClassName, "sniper"},
        {"<ClassName>captain</ClassName>", E::ClassName, "captain"},
        {"<ClassName>Sniper</ClassName>", E::ClassName, "Sniper"},
        {"<ClassName></ClassName>", E::ClassName, ""},
        {"<ClassName>support", E::ClassName, ""},
        {"</ClassName>", E::ClassName, "demolitions"},
        // Values are neither trimmed nor checked.
        {"<ActorName>  Kurz\t</ActorName>", E::ActorName, "  Kurz\t"},
        {"<Weapon>300</Weapon>", E::Weapon, "300"},
        {"<ScaleX>1.5</ScaleX>", E::ScaleX, "1.5"},
        {"<ActorName>a\nb\rc</ActorName>", E::ActorName, "a\r\nb\r\nc"},
        {scattered, E::LOD2, "n"},
        {scattered, E::DesertLOD2, "d"},
        {scattered, E::ModelFace, "f"},
        {scattered, E::DesertModelFace, "df"},
        {scattered, E::JungleLOD4, "j"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadActor(c.text)[c.element], c.expected) << c.text;
}

TEST(ActorLoad, ArmourLevelThatIsNoDigitFailsNamingTheCharacter) {
    struct Case {
        const char* text;
        const char* character;
    };
    const Case cases[] = {
        {"<ActorName>a</ActorName><ArmorLevel></ArmorLevel>", "<"},
        {"<ArmorLevel>", ""},
        {"<ArmorLevel>A</ArmorLevel>", "A"},
        {"<ArmorLevel>-1</ArmorLevel>", "-"},
        {"<ArmorLevel> 1</ArmorLevel>", " "},
        {"<ArmorLevel>\x82\x51</ArmorLevel>", "２"},
    };
    for (const Case& c : cases) {
        try {
            loadActor(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + c.character + "' は整数ではありません");
        }
    }
}

// The loader finds every tag in one pass; its values must be those of the tag value rule, for
// texts of tags, broken tags and values in any order.
TEST(ActorLoad, ValuesFollowTheTagValueRuleInAnyText) {
    const std::string pieces[] = {"<LOD2>",      "</LOD2>",      "<DesertLOD2>", "</DesertLOD2>",
                                  "<ClassName>", "</ClassName>", "<ActorName",   "</",
                                  "<",           "<Lod2>",       "<LOD2/>",      "LOD2>",
                                  "x",           "\r\n",         "<ArmorLevel>3"};
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int i = random() % 12; i > 0; --i)
            text += pieces[random() % std::size(pieces)];
        const ActorRecord record = loadActor(text);
        for (std::size_t i = 0; i < kActorElementCount; ++i) {
            const auto e = static_cast<ActorElement>(i);
            const std::string name = actorElementName(e);
            const ValueSpan span = findValue(text, openTag(name), closeTag(name));
            const std::string value = text.substr(span.start, span.length);
            const std::string expected = !span.openFound && e == E::ClassName ? "demolitions"
                                         : e == E::ArmorLevel ? (span.openFound ? "3" : "0")
                                                              : value;
            EXPECT_EQ(record[e], expected) << name << " in " << text;
        }
    }
}

TEST(ActorSave, FreshPageGivesFourteenLines) {
    EXPECT_EQ(saveActor(ActorRecord()),
              replaceAll(readData("actor/empty_class.expected.atr"), "<ClassName></ClassName>",
                         "<ClassName>demolitions</ClassName>"));
}

TEST(ActorSave, EmptyOrSingleZeroStatisticIsWrittenAsOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "1"}, {"0", "1"}, {"00", "00"}, {"-1", "-1"}};
    for (ActorElement e : {E::Weapon, E::Stamina, E::Stealth, E::Leadership}) {
        for (const auto& [value, written] : cases) {
            ActorRecord record;
            record[e] = value;
            const std::string name = actorElementName(e);
            EXPECT_NE(saveActor(record).find("\t" + openTag(name) + written + closeTag(name)),
                      std::string::npos)
                << name << "=" << value;
        }
    }
}

TEST(ActorSave, CodePageTextPassesByteForByte) {
    ActorRecord record;
    record[E::LOD2] = "\x95\x5c.chr";
    EXPECT_NE(saveActor(record).find("\t<LOD2>\x95\x5c.chr</LOD2>\r\n"), std::string::npos);
}

TEST(ActorGolden, LoadThenSaveGivesTheExpectedBytes) {
    for (const std::string name : {"full", "messy_lf", "odd_values", "empty_class"}) {
        SCOPED_TRACE(name);
        const std::string input = readData("actor/" + name + ".atr");
        ASSERT_FALSE(input.empty());
        const std::string saved = saveActor(loadActor(DocText(input).text()));
        EXPECT_EQ(saved, readData("actor/" + name + ".expected.atr"));
        EXPECT_EQ(saveActor(loadActor(saved)), saved);
    }
}

TEST(ActorScaling, EightTimesTheInputTakesFarLessThanQuadraticTime) {
    expectLinearTime(
        [](std::size_t bytes) {
            std::string filler = "x\tbase ";
            while (filler.size() < bytes)
                filler += filler;
            return "<ActorFile>\r\n\t<ActorName>a</ActorName>\r\n\t<ModelFace>" + filler +
                   "</ModelFace>\r\n\t<LOD2>" + filler + "</LOD2>\r\n</ActorFile>\r\n";
        },
        [](const std::string& text) { return saveActor(loadActor(text)); });
}

} // namespace
} // namespace dorva
