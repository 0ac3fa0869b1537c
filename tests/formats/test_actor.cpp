#include "formats/actorfile.h"
#include "formats/doctext.h"
#include "formats/error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

namespace dorva {
namespace {

using E = ActorElement;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string loadError(const std::string& text) {
    try {
        loadActor(text);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

// --- loading ---

TEST(ActorLoad, EmptyDocumentGivesTheFreshPage) {
    const ActorRecord record = loadActor("");
    EXPECT_EQ(record[E::ClassName], "demolitions");
    EXPECT_EQ(record[E::ArmorLevel], "0");
    for (std::size_t i = 0; i < kActorElementCount; ++i) {
        const auto e = static_cast<ActorElement>(i);
        if (e != E::ClassName && e != E::ArmorLevel) {
            EXPECT_EQ(record[e], "") << actorElementName(e);
        }
    }
}

struct ArmorCase {
    const char* text;
    const char* level;
};

class ActorArmor : public ::testing::TestWithParam<ArmorCase> {};

TEST_P(ActorArmor, OnlyTheFirstCharacterCounts) {
    EXPECT_EQ(loadActor(GetParam().text)[E::ArmorLevel], GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Levels, ActorArmor,
                         ::testing::Values(ArmorCase{"<ArmorLevel>2</ArmorLevel>", "2"},
                                           ArmorCase{"<ArmorLevel>10</ArmorLevel>", "1"},
                                           ArmorCase{"<ArmorLevel>7</ArmorLevel>", "7"},
                                           ArmorCase{"<ArmorLevel>3", "3"},
                                           ArmorCase{"<ArmorLevel>0</Armor>", "0"},
                                           ArmorCase{"<armorlevel>2</armorlevel>", "0"}));

struct ArmorErrorCase {
    const char* text;
    const char* message;
};

class ActorArmorError : public ::testing::TestWithParam<ArmorErrorCase> {};

TEST_P(ActorArmorError, FailsNamingTheCharacter) {
    EXPECT_EQ(loadError(GetParam().text), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, ActorArmorError,
    ::testing::Values(ArmorErrorCase{"<ActorName>a</ActorName><ArmorLevel></ArmorLevel>",
                                     "'<' は整数ではありません"},
                      ArmorErrorCase{"<ArmorLevel>", "'' は整数ではありません"},
                      ArmorErrorCase{"<ArmorLevel>A</ArmorLevel>", "'A' は整数ではありません"},
                      ArmorErrorCase{"<ArmorLevel>-1</ArmorLevel>", "'-' は整数ではありません"},
                      ArmorErrorCase{"<ArmorLevel> 1</ArmorLevel>", "' ' は整数ではありません"},
                      ArmorErrorCase{"<ArmorLevel>\x82\x51</ArmorLevel>",
                                     "'２' は整数ではありません"}));

TEST(ActorLoad, ValuesAreTakenUntrimmedAndUnchecked) {
    const ActorRecord record = loadActor("<ActorName>  Kurz\t</ActorName><Weapon>300</Weapon>"
                                         "<ScaleX>1.5</ScaleX><KitPath>my kit</KitPath>");
    EXPECT_EQ(record[E::ActorName], "  Kurz\t");
    EXPECT_EQ(record[E::Weapon], "300");
    EXPECT_EQ(record[E::ScaleX], "1.5");
    EXPECT_EQ(record[E::KitPath], "my kit");
}

TEST(ActorLoad, TagsAreFoundWhereverTheyStand) {
    const ActorRecord record =
        loadActor("<DesertLOD2>d</DesertLOD2><DesertModelFace>df</DesertModelFace>\n"
                  "<LOD2>n</LOD2>   <ModelFace>f</ModelFace>\r<JungleLOD4>j</JungleLOD4>");
    EXPECT_EQ(record[E::LOD2], "n");
    EXPECT_EQ(record[E::DesertLOD2], "d");
    EXPECT_EQ(record[E::ModelFace], "f");
    EXPECT_EQ(record[E::DesertModelFace], "df");
    EXPECT_EQ(record[E::JungleLOD4], "j");
}

TEST(ActorLoad, ValuesSpanningLinesHaveCrLfBreaks) {
    EXPECT_EQ(loadActor("<ActorName>a\nb\rc</ActorName>")[E::ActorName], "a\r\nb\r\nc");
}

struct ClassCase {
    const char* text;
    const char* className;
};

class ActorClass : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ActorClass, ValueIsKeptAsReadOrDefaultsWhenAbsent) {
    EXPECT_EQ(loadActor(GetParam().text)[E::ClassName], GetParam().className);
}

INSTANTIATE_TEST_SUITE_P(Classes, ActorClass,
                         ::testing::Values(ClassCase{"<ClassName>sniper</ClassName>", "sniper"},
                                           ClassCase{"<ClassName>captain</ClassName>", "captain"},
                                           ClassCase{"<ClassName>Sniper</ClassName>", "Sniper"},
                                           ClassCase{"<ClassName></ClassName>", ""},
                                           ClassCase{"<ClassName>support", ""},
                                           ClassCase{"</ClassName>", "demolitions"},
                                           ClassCase{"<ActorName>x</ActorName>", "demolitions"}));

// --- saving ---

TEST(ActorTemplate, HoldsFortyLinesOfPlaceholders) {
    const DocText doc(actorTemplate());
    ASSERT_EQ(doc.lineCount(), 40);
    EXPECT_EQ(doc.line(0), "<ActorFile>");
    EXPECT_EQ(doc.line(1), "\t<VersionNumber>1.00</VersionNumber>");
    EXPECT_EQ(doc.line(2), "\t<ArmorLevel>base</ArmorLevel>");
    EXPECT_EQ(doc.line(12), "\t<ModelName>base</ModelName>");
    EXPECT_EQ(doc.line(38), "\t<ShellFaceName>base</ShellFaceName>");
    EXPECT_EQ(doc.line(39), "</ActorFile>");
    EXPECT_EQ(actorTemplate().substr(actorTemplate().size() - 2), "\r\n");
}

TEST(ActorSave, FreshPageGivesFourteenLines) {
    EXPECT_EQ(saveActor(ActorRecord()), "<ActorFile>\r\n"
                                        "\t<VersionNumber>1.00</VersionNumber>\r\n"
                                        "\t<ArmorLevel>0</ArmorLevel>\r\n"
                                        "\t<ActorName></ActorName>\r\n"
                                        "\t<ClassName>demolitions</ClassName>\r\n"
                                        "\t<ModelFace></ModelFace>\r\n"
                                        "\t<BlinkFaceName></BlinkFaceName>\r\n"
                                        "\t<KitPath></KitPath>\r\n"
                                        "\t<ModelName></ModelName>\r\n"
                                        "\t<Weapon>1</Weapon>\r\n"
                                        "\t<Stamina>1</Stamina>\r\n"
                                        "\t<Stealth>1</Stealth>\r\n"
                                        "\t<Leadership>1</Leadership>\r\n"
                                        "</ActorFile>\r\n");
}

TEST(ActorSave, AllFieldsFilledGivesTheTemplateLayout) {
    ActorRecord record;
    for (std::size_t i = 0; i < kActorElementCount; ++i)
        record.values[i] = std::string("v") + actorElementName(static_cast<ActorElement>(i));
    record[E::ArmorLevel] = "2";
    const DocText saved(saveActor(record));
    const DocText layout(actorTemplate());
    ASSERT_EQ(saved.lineCount(), 40);
    for (int i = 3; i < 39; ++i) {
        const std::string line = layout.line(i);
        const std::string name = line.substr(2, line.find('>') - 2);
        EXPECT_EQ(saved.line(i), "\t<" + name + ">v" + name + "</" + name + ">");
    }
    EXPECT_EQ(saved.line(2), "\t<ArmorLevel>2</ArmorLevel>");
}

TEST(ActorSave, EmptyOptionalElementsAreDropped) {
    ActorRecord record;
    record[E::ScaleY] = "120";
    record[E::LOD3] = " ";
    const DocText saved(saveActor(record));
    EXPECT_EQ(saved.lineCount(), 16);
    EXPECT_EQ(saved.text().find("ScaleX"), std::string::npos);
    EXPECT_NE(saved.text().find("\t<LOD3> </LOD3>\r\n"), std::string::npos);
    EXPECT_NE(saved.text().find("\t<ScaleY>120</ScaleY>\r\n"), std::string::npos);
}

struct StatisticCase {
    const char* value;
    const char* written;
};

class ActorStatistic : public ::testing::TestWithParam<StatisticCase> {};

TEST_P(ActorStatistic, EmptyOrSingleZeroIsWrittenAsOne) {
    for (ActorElement e : {E::Weapon, E::Stamina, E::Stealth, E::Leadership}) {
        ActorRecord record;
        record[e] = GetParam().value;
        const std::string name = actorElementName(e);
        const std::string line = "\t<" + name + ">" + GetParam().written + "</" + name + ">\r\n";
        EXPECT_NE(saveActor(record).find(line), std::string::npos) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ActorStatistic,
                         ::testing::Values(StatisticCase{"", "1"}, StatisticCase{"0", "1"},
                                           StatisticCase{"00", "00"}, StatisticCase{"300", "300"},
                                           StatisticCase{"-1", "-1"}, StatisticCase{"7", "7"}));

TEST(ActorSave, InsertedTextIsNotSearchedForThePlaceholder) {
    ActorRecord record;
    record[E::ModelFace] = "database.rsb";
    record[E::ActorName] = "base";
    const std::string saved = saveActor(record);
    EXPECT_NE(saved.find("\t<ModelFace>database.rsb</ModelFace>\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\t<ActorName>base</ActorName>\r\n"), std::string::npos);
}

TEST(ActorSave, ArmourAndClassAreWrittenAsHeld) {
    ActorRecord record;
    record[E::ArmorLevel] = "9";
    record[E::ClassName] = "captain";
    const std::string saved = saveActor(record);
    EXPECT_NE(saved.find("\t<ArmorLevel>9</ArmorLevel>\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\t<ClassName>captain</ClassName>\r\n"), std::string::npos);
}

TEST(ActorSave, CodePageTextPassesByteForByte) {
    ActorRecord record;
    record[E::ActorName] = "\x8e\x6d\x95\xba\x82\xa0";
    record[E::LOD2] = "\x95\x5c.chr";
    const std::string saved = saveActor(record);
    EXPECT_NE(saved.find("\t<ActorName>\x8e\x6d\x95\xba\x82\xa0</ActorName>\r\n"),
              std::string::npos);
    EXPECT_NE(saved.find("\t<LOD2>\x95\x5c.chr</LOD2>\r\n"), std::string::npos);
}

// --- files: loading and saving gives the expected bytes ---

class ActorGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(ActorGolden, LoadThenSaveGivesTheExpectedBytes) {
    const std::string dir = std::string(DORVA_TEST_DATA) + "/actor/";
    const std::string input = readFile(dir + GetParam() + ".atr");
    const std::string expected = readFile(dir + GetParam() + ".expected.atr");
    ASSERT_FALSE(input.empty());
    const std::string saved = saveActor(loadActor(DocText(input).text()));
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(saveActor(loadActor(saved)), saved);
}

INSTANTIATE_TEST_SUITE_P(Files, ActorGolden,
                         ::testing::Values("full", "messy_lf", "odd_values", "empty_class"),
                         [](const auto& info) { return std::string(info.param); });

// --- work grows in step with the input ---

double secondsToLoadAndSave(const std::string& text) {
    const std::clock_t start = std::clock();
    const std::string saved = saveActor(loadActor(text));
    const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_GT(saved.size(), text.size() / 2);
    return took;
}

std::string bigActor(std::size_t bytes) {
    std::string filler = "x\tbase ";
    while (filler.size() < bytes)
        filler += filler;
    return "<ActorFile>\r\n\t<ActorName>a</ActorName>\r\n\t<ModelFace>" + filler +
           "</ModelFace>\r\n\t<LOD2>" + filler + "</LOD2>\r\n</ActorFile>\r\n";
}

TEST(ActorScaling, EightTimesTheInputTakesAtMostSixteenTimesTheTime) {
    // Processor time of this process only, so that other work on the machine does not count;
    // both inputs are larger than the processor caches.
    const std::string smallText = bigActor(1024 * 1024);
    const std::string largeText = bigActor(8 * 1024 * 1024);
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
