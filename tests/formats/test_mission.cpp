#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/missionfile.h"
#include "missionoracle.h"
#include "scaling.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace dorva {
namespace {

using Edit = std::function<void(MissionRecord&)>;

std::string readData(const std::string& name) {
    return testfiles::readData("mission/" + name);
}

// The record or the error message, as the one-scan loader gives it; the step-by-step loader
// and the loader that takes over the text must give the same.
std::string loadOutcome(const std::string& text) {
    const auto outcome = [&text](auto load) {
        try {
            return missionoracle::describe(load(text));
        } catch (const Error& e) {
            return std::string(e.what());
        }
    };
    const std::string loaded = outcome([](const std::string& t) { return loadMission(t); });
    EXPECT_EQ(loaded, outcome([](const std::string& t) { return missionoracle::loadMission(t); }))
        << "loaders differ on " << testing::PrintToString(text);
    EXPECT_EQ(loaded, outcome([](std::string t) { return loadMissionTakingText(std::move(t)); }))
        << "taking the text differs on " << testing::PrintToString(text);
    return loaded;
}

std::string loadError(const std::string& text) {
    const std::string outcome = loadOutcome(text);
    try {
        loadMission(text);
    } catch (const Error&) {
        return outcome;
    }
    return "no error";
}

// Saves the record loaded from the text after applying an edit; the step-by-step saver and the
// saver that writes over the text must write the same bytes.
std::string saveEdited(const std::string& text, const Edit& edit) {
    loadOutcome(text);
    MissionRecord record = loadMission(text);
    edit(record);
    const std::string saved = saveMission(record, text);
    EXPECT_EQ(saved, missionoracle::saveMission(record, text))
        << "savers differ on " << testing::PrintToString(text);
    EXPECT_EQ(saved, saveMissionTakingText(record, std::string(text)))
        << "writing over the text differs on " << testing::PrintToString(text);
    return saved;
}

// ---- Loading ----

TEST(MissionLoad, EmptyDocumentGivesFreshPage) {
    const MissionRecord r = loadMission("");
    for (const std::string* s :
         {&r.environment, &r.mapShots, &r.mapName, &r.recommendedGameTypes, &r.weather, &r.wind,
          &r.briefingImage, &r.briefingCycleImage, &r.locationText, &r.dateText, &r.timeText,
          &r.briefingWaveFile, &r.name, &r.combatPoints, &r.heroFile, &r.briefingText})
        EXPECT_EQ(*s, "");
    EXPECT_FALSE(r.fogOverride);
    EXPECT_EQ(r.fogNear + "," + r.fogFar + "," + r.fogSpot + "," + r.fogRed + "," + r.fogGreen +
                  "," + r.fogBlue,
              "0,0,0,255,255,255");
    EXPECT_EQ(r.mapSize + r.weatherIndex, 0);
    EXPECT_EQ(r.classes, (std::array<int, 6>{}));
    for (bool b : {r.demoRequired, r.demoRecommend, r.antitankRequired, r.antitankRecommend,
                   r.singlePlayer, r.coop, r.team, r.solo, r.requiresUnlocking, r.gameTypes})
        EXPECT_FALSE(b);
    EXPECT_EQ(r.precipitation, Precipitation::Clear);
}

TEST(MissionLoad, EachTextElementFillsItsOwnField) {
    struct Case {
        const char* tag;
        std::string MissionRecord::*field;
    };
    const Case cases[] = {
        {"Environment", &MissionRecord::environment},
        {"MapShots", &MissionRecord::mapShots},
        {"MapName", &MissionRecord::mapName},
        {"RecommendedGameTypes", &MissionRecord::recommendedGameTypes},
        {"Weather", &MissionRecord::weather},
        {"Wind", &MissionRecord::wind},
        {"BriefingImage", &MissionRecord::briefingImage},
        {"BriefingCycleImage", &MissionRecord::briefingCycleImage},
        {"LocationText", &MissionRecord::locationText},
        {"DateText", &MissionRecord::dateText},
        {"TimeText", &MissionRecord::timeText},
        {"BriefingWaveFile", &MissionRecord::briefingWaveFile},
        {"Name", &MissionRecord::name},
        {"CombatPoints", &MissionRecord::combatPoints},
        {"HeroFile", &MissionRecord::heroFile},
        {"BriefingText", &MissionRecord::briefingText},
    };
    // Look-alike tags (WeatherIndex, MapName, BriefingImageY) stand first and must not match.
    std::string text = "<M>\r\n\t<WeatherIndex>1</WeatherIndex>\r\n\t<BriefingImageY>9</"
                       "BriefingImageY>\r\n";
    for (const Case& c : cases)
        text += std::string("\t<") + c.tag + ">v-" + c.tag + "</" + c.tag + ">\r\n";
    text += "</M>\r\n";
    const MissionRecord r = loadMission(text);
    for (const Case& c : cases)
        EXPECT_EQ(r.*c.field, std::string("v-") + c.tag);
}

TEST(MissionLoad, DigitsKeepTheDigitAsRead) {
    const MissionRecord r = loadMission("<MapSize>12</MapSize><WeatherIndex>9</WeatherIndex>"
                                        "<Class0>3</Class0><Class1>2</Class1><Class2>1</Class2>"
                                        "<Class3>7</Class3><Class4>0</Class4><Class5>4</Class5>"
                                        "<MapSize>3</MapSize>");
    EXPECT_EQ(r.mapSize, 1);
    EXPECT_EQ(r.weatherIndex, 9);
    EXPECT_EQ(r.classes, (std::array<int, 6>{3, 2, 1, 7, 0, 4}));
}

TEST(MissionLoad, FlagsAreFalseOnlyForZero) {
    struct Case {
        const char* tag;
        bool MissionRecord::*field;
    };
    const Case cases[] = {
        {"DemoRequired", &MissionRecord::demoRequired},
        {"DemoRecommend", &MissionRecord::demoRecommend},
        {"AntitankRequired", &MissionRecord::antitankRequired},
        {"AntitankRecommend", &MissionRecord::antitankRecommend},
        {"SinglePlayer", &MissionRecord::singlePlayer},
        {"Coop", &MissionRecord::coop},
        {"Team", &MissionRecord::team},
        {"Solo", &MissionRecord::solo},
        {"RequiresUnlocking", &MissionRecord::requiresUnlocking},
        {"GameTypes", &MissionRecord::gameTypes},
    };
    for (const Case& c : cases) {
        const std::string tag = c.tag;
        const std::string alone = "<" + tag + ">5</" + tag + ">";
        const MissionRecord on = loadMission(alone);
        EXPECT_TRUE(on.*c.field) << tag;
        int set = 0;
        for (const Case& other : cases)
            set += on.*other.field ? 1 : 0;
        EXPECT_EQ(set, 1) << tag << " sets another box";
        EXPECT_FALSE(loadMission("<" + tag + ">0</" + tag + "><" + tag + ">1").*c.field) << tag;
    }
}

TEST(MissionLoad, BadDigitOrFlagStopsWithTheConversionMessage) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {"<MapSize>x</MapSize>", messageNotInteger("x")},
        {"<WeatherIndex> 3</WeatherIndex>", messageNotInteger(" ")},
        {"<Class4>-1</Class4>", messageNotInteger("-")},
        {"<Class5>", messageNotInteger("")},
        {"<Coop>yes</Coop>", messageNotBoolean("y")},
        {"<GameTypes>", messageNotBoolean("")},
        {"<Solo>T</Solo>", messageNotBoolean("T")},
        // A half-width katakana byte is named as that character.
        {"<DemoRequired>\xb1</DemoRequired>", messageNotBoolean("\xef\xbd\xb1")},
        // Digits are read before flags.
        {"<Team>a</Team><Class0>b</Class0>", messageNotInteger("b")},
        // Flags are read in their own order, not the document's.
        {"<GameTypes>g</GameTypes><DemoRequired>d</DemoRequired>", messageNotBoolean("d")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadError(c.text), c.message) << c.text;
}

TEST(MissionLoad, FogOverride) {
    const MissionRecord element = loadMission(
        "\t\t<FogOverride Near = \"1\" Far = \"22\" Red = \"33\" Green = \"44\" Blue = \"55\" "
        "Spot = \"66\"/>\r\n");
    EXPECT_TRUE(element.fogOverride);
    EXPECT_EQ(element.fogNear, "1");
    EXPECT_EQ(element.fogFar, "22");
    EXPECT_EQ(element.fogRed, "33");
    EXPECT_EQ(element.fogGreen, "44");
    EXPECT_EQ(element.fogBlue, "55");
    EXPECT_EQ(element.fogSpot, "66");

    // The word alone checks the box; with no element the six values are empty.
    const MissionRecord word = loadMission("<Name>no FogOverride here</Name>");
    EXPECT_TRUE(word.fogOverride);
    for (const std::string* s :
         {&word.fogNear, &word.fogFar, &word.fogSpot, &word.fogRed, &word.fogGreen, &word.fogBlue})
        EXPECT_EQ(*s, "");

    // An element cut off by the end of the text: the region runs to the end.
    const MissionRecord cut = loadMission("<FogOverride Near = \"4\" Far = \"5\" Red = \"6\"");
    EXPECT_EQ(cut.fogNear, "4");
    EXPECT_EQ(cut.fogFar, "5");
    EXPECT_EQ(cut.fogRed, "");
    EXPECT_EQ(cut.fogSpot, "");

    // Markers of a later element do not reach into the first one.
    const MissionRecord later = loadMission("<FogOverride Near = \"4\"/>\r\n"
                                            "<FogOverride Near = \"1\" Far = \"2\" Red = \"3\"/>");
    EXPECT_EQ(later.fogNear, "");
    EXPECT_EQ(later.fogFar, "");
}

TEST(MissionLoad, RainAndSnow) {
    struct Case {
        const char* text;
        Precipitation expected;
    };
    const Case cases[] = {
        {"<Rain>0</Rain>", Precipitation::Clear},
        {"<Rain>0</Rain><Snow>0</Snow>", Precipitation::Clear},
        {"<Rain>1</Rain><Snow>0</Snow>", Precipitation::Rain},
        {"<Rain>0</Rain><Snow>1</Snow>", Precipitation::Snow},
        {"<Rain>1</Rain><Snow>1</Snow>", Precipitation::Snow},
        // Neither 0 nor 1: nothing of an earlier file carries over.
        {"<Rain>2</Rain><Snow>0</Snow>", Precipitation::Clear},
        {"<Rain>x</Rain><Snow>3</Snow>", Precipitation::Clear},
        // The flag texts are looked for anywhere.
        {"<Rain>0</Rain><Snow>0</Snow><Rain>1</Rain>", Precipitation::Rain},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadMission(c.text).precipitation, c.expected) << c.text;
}

TEST(MissionLoad, FullFileInCodePage932) {
    const MissionRecord r = loadMission(readData("full.mis"));
    EXPECT_EQ(r.environment, "jungle_02");
    EXPECT_EQ(r.mapShots, "shots\\mekong");
    EXPECT_EQ(r.weather, "40");
    EXPECT_EQ(r.wind, "12");
    EXPECT_TRUE(r.fogOverride);
    EXPECT_EQ(r.fogNear + r.fogFar + r.fogRed + r.fogGreen + r.fogBlue + r.fogSpot,
              "103501281409675");
    EXPECT_EQ(r.mapSize, 2);
    EXPECT_EQ(r.weatherIndex, 5);
    EXPECT_EQ(r.classes, (std::array<int, 6>{0, 1, 2, 3, 1, 3}));
    EXPECT_EQ(r.precipitation, Precipitation::Rain);
    EXPECT_TRUE(r.demoRequired && r.antitankRecommend && r.gameTypes && r.singlePlayer && r.coop);
    EXPECT_FALSE(r.demoRecommend || r.antitankRequired || r.requiresUnlocking || r.team || r.solo);
    // Trail bytes 0x5C inside double-byte characters are no path separators.
    EXPECT_EQ(r.locationText, "\x83\x81\x83\x52\x83\x93\x90\xec\x97\xac\x88\xe6\x81\x69\x83\x5c"
                              "\x98\x41\x90\xbb\x82\xcc\x95\x5c\x8e\xa6\x81\x6a");
    EXPECT_EQ(r.briefingText.substr(0, 24),
              "\x96\xe9\x96\xbe\x82\xaf\x91\x4f\x82\xc9\x8b\xb4\x82\xf0\x8a\x6d\x95\xdb\x82\xb9"
              "\x82\xe6\x81\x42");
    EXPECT_NE(r.briefingText.find("{p}"), std::string::npos);
    EXPECT_NE(r.briefingText.find("\r\n\t\t"), std::string::npos);
}

TEST(MissionLoad, LineFeedOnlyFileReadsAsCrLf) {
    const std::string crlf = readData("full.mis");
    std::string lf;
    for (char c : crlf)
        if (c != '\r')
            lf += c;
    const std::string normalized = normalizeLineBreaks(lf);
    EXPECT_EQ(normalized, crlf);
    const MissionRecord r = loadMission(normalized);
    EXPECT_EQ(r.briefingText, loadMission(crlf).briefingText);
    EXPECT_EQ(saveMission(r, normalized), crlf);
}

// Whether the briefing is most of the text (and takes over its bytes) or not (and is copied),
// at the end without its closing tag, missing, or the files' own.
TEST(MissionLoad, TakingTheTextGivesTheSameRecord) {
    const std::string longBriefing(5000, 'b');
    for (const std::string& text :
         {readData("full.mis"), readData("decoy.mis"), readData("sparse.mis"),
          "<Name>n</Name><BriefingText>" + longBriefing + "</BriefingText><Wind>3</Wind>",
          "<Wind>3</Wind><BriefingText>" + longBriefing, "<BriefingText>" + longBriefing,
          std::string("<BriefingText></BriefingText>"), std::string("<Wind>3</Wind>"),
          std::string()})
        loadOutcome(text);
}

// ---- Saving ----

TEST(MissionSave, UneditedRoundTripIsByteIdentical) {
    for (const char* name :
         {"full.mis", "full.expected.mis", "decoy.expected.mis", "sparse.expected.mis"}) {
        const std::string text = readData(name);
        EXPECT_EQ(saveMission(loadMission(text), text), text) << name;
    }
}

TEST(MissionSave, GoldenFiles) {
    const std::string full = readData("full.mis");
    EXPECT_EQ(saveEdited(full,
                         [](MissionRecord& r) {
                             r.precipitation = Precipitation::Snow;
                             r.environment = "jungle_03";
                             r.mapName = "\x83\x81\x83\x52\x83\x93\x93\x6e\x89\xcd";
                             r.wind = "30";
                             r.fogNear = "0";
                             r.fogFar = "500";
                             r.fogRed = "255";
                             r.fogGreen = "0";
                             r.fogBlue = "7";
                             r.fogSpot = "100";
                             r.demoRequired = false;
                             r.antitankRecommend = false;
                             r.combatPoints = "1000";
                             r.classes[2] = 0;
                             r.classes[5] = 7;
                             r.locationText = "  Quang Tri  ";
                             r.briefingText = "\x88\xea\x8d\x73\x96\xda\r\n\x93\xf1\x8d\x73\x96\xda"
                                              "{p}\x8e\x4f\x8d\x73\x96\xda";
                             r.name = "Operation Dawn";
                             r.coop = false;
                             // Neither list is written back.
                             r.mapSize = 0;
                             r.weatherIndex = 7;
                         }),
              readData("full.expected.mis"));

    EXPECT_EQ(saveEdited(readData("sparse.mis"),
                         [](MissionRecord& r) {
                             r.mapShots = "shots\\dune";
                             r.mapName = "Dune Sea";
                             r.briefingImage = "";
                             r.name = "Operation Sandstorm";
                             r.briefingText = "\x8d\xbb\x97\x92\x82\xc9\x92\x8d\x88\xd3\x81\x42"
                                              "\r\nLine 2";
                             // Neither the element nor its empty form: not written.
                             r.locationText = "Nowhere";
                             r.heroFile = "hero.atr";
                             r.weather = "15";
                             r.combatPoints = "100";
                             r.classes = {1, 2, 3, 0, 1, 2};
                             r.solo = r.coop = r.gameTypes = true;
                             r.demoRecommend = r.antitankRecommend = true;
                             r.precipitation = Precipitation::Snow;
                             r.fogOverride = true;
                             r.fogNear = "5";
                             r.fogFar = "200";
                             r.fogSpot = "60";
                             r.fogRed = "200";
                             r.fogGreen = "180";
                             r.fogBlue = "150";
                         }),
              readData("sparse.expected.mis"));

    // Decoy quotes and "/>" before the fog element, repeated Name tags and "</Name>" anchors.
    const std::string decoy = readData("decoy.mis");
    const MissionRecord loaded = loadMission(decoy);
    EXPECT_EQ(loaded.fogNear + "," + loaded.fogFar + "," + loaded.fogRed + "," + loaded.fogGreen +
                  "," + loaded.fogBlue + "," + loaded.fogSpot,
              "20,400,90,100,110,50");
    EXPECT_EQ(loaded.name, "A");
    EXPECT_EQ(saveEdited(decoy,
                         [](MissionRecord& r) {
                             r.name = "X";
                             r.solo = true;
                             r.fogNear = "25";
                             r.fogFar = "450";
                             r.fogRed = "91";
                             r.fogGreen = "101";
                             r.fogBlue = "111";
                             r.fogSpot = "55";
                         }),
              readData("decoy.expected.mis"));
}

Edit precipitation(Precipitation p) {
    return [p](MissionRecord& r) { r.precipitation = p; };
}

// Sets the fog box and the six fog values 1 to 6 (Near, Far, Spot, Red, Green, Blue).
Edit fog(bool on) {
    return [on](MissionRecord& r) {
        r.fogOverride = on;
        r.fogNear = "1";
        r.fogFar = "2";
        r.fogSpot = "3";
        r.fogRed = "4";
        r.fogGreen = "5";
        r.fogBlue = "6";
    };
}

// A fog element holding the value in all six places.
std::string fogElement(const std::string& v) {
    const std::string q = "\"" + v + "\"";
    return "<FogOverride Near = " + q + " Far = " + q + " Red = " + q + " Green = " + q +
           " Blue = " + q + " Spot = " + q + "/>";
}

TEST(MissionSave, EditsGoWhereTheyBelong) {
    struct Case {
        std::string text;
        Edit edit;
        std::string expected;
    };
    const std::string fogSet = "<FogOverride Near = \"1\" Far = \"2\" Red = \"4\" Green = \"5\" "
                               "Blue = \"6\" Spot = \"3\"/>";
    const Case cases[] = {
        // Environment and Wind are only updated, never made from an empty form.
        {"<Environment/><Wind/>", [](MissionRecord& r) { r.environment = r.wind = "9"; },
         "<Environment/><Wind/>"},
        {"<Environment>a</Environment><Wind>1</Wind>",
         [](MissionRecord& r) {
             r.environment = "b\r\nc";
             r.wind = "";
         },
         "<Environment>b\r\nc</Environment><Wind></Wind>"},
        // Without a closing tag the old value is empty: the value goes behind the opening tag.
        {"<Wind>5\r\n", [](MissionRecord& r) { r.wind = "7"; }, "<Wind>75\r\n"},
        {"\t<MapShots/>\r\n", [](MissionRecord& r) { r.mapShots = "s"; },
         "\t<MapShots>s</MapShots>\r\n"},
        {"\t<MapShots/>\r\n", [](MissionRecord&) {}, "\t<MapShots></MapShots>\r\n"},
        {"<HeroFile/><HeroFile/>", [](MissionRecord& r) { r.heroFile = "h"; },
         "<HeroFile>h</HeroFile><HeroFile/>"},
        {"<MapName>a</MapName>", [](MissionRecord& r) { r.mapName = "<b>&"; },
         "<MapName><b>&</MapName>"},
        // Only the first element with the tag is written.
        {"<MapName>A</MapName>\r\n<MapName>AB</MapName>", [](MissionRecord& r) { r.mapName = "X"; },
         "<MapName>X</MapName>\r\n<MapName>AB</MapName>"},
        {"<TimeText></TimeText>\r\n<TimeText></TimeText>",
         [](MissionRecord& r) { r.timeText = "X"; },
         "<TimeText>X</TimeText>\r\n<TimeText></TimeText>"},

        // Missing elements go behind their anchors; without anchors nothing is inserted.
        {"<M>\r\n</M>",
         [](MissionRecord& r) {
             r.weather = "3";
             r.solo = true;
         },
         "<M>\r\n</M>"},
        {"<Engine>x", [](MissionRecord& r) { r.weather = "3"; },
         "<Engine>\r\n\t\t<Snow>0</Snow>\r\n\t\t<Rain>0</Rain>\r\n\t\t<Weather>3</Weather>x"},
        {"<WeatherIndex>2</WeatherIndex>",
         [](MissionRecord& r) { r.classes = {0, 1, 2, 3, -1, 9}; },
         "<WeatherIndex>2</WeatherIndex>\r\n\t\t<Class5>9</Class5>\r\n\t\t<Class4>-1</Class4>"
         "\r\n\t\t<Class3>3</Class3>\r\n\t\t<Class2>2</Class2>\r\n\t\t<Class1>1</Class1>\r\n\t\t"
         "<Class0>0</Class0>\r\n\t\t<CombatPoints></CombatPoints>"},
        // Only the first anchor receives the element.
        {"<Name>a</Name>\r\n<Name>b</Name>", [](MissionRecord& r) { r.team = true; },
         "<Name>a</Name>\r\n\t\t<Solo>0</Solo>\r\n\t\t<Team>1</Team>\r\n\t\t<Coop>0</Coop>\r\n\t\t"
         "<SinglePlayer>0</SinglePlayer>\r\n\t\t<GameTypes>0</GameTypes>\r\n\t\t<RequiresUnlocking>"
         "0</RequiresUnlocking>\r\n<Name>b</Name>"},
        // The empty form of Name gets its closing tag before the flags look for their anchor.
        {"<Name/>\r\n<Solo>0</Solo><Team>0</Team><Coop>0</Coop><SinglePlayer>0</SinglePlayer>"
         "<GameTypes>0</GameTypes>",
         [](MissionRecord& r) { r.requiresUnlocking = true; },
         "<Name></Name>\r\n\t\t<RequiresUnlocking>1</RequiresUnlocking>\r\n<Solo>0</Solo><Team>0"
         "</Team><Coop>0</Coop><SinglePlayer>0</SinglePlayer><GameTypes>0</GameTypes>"},
        {"<BriefingImageY>1</BriefingImageY><DemoRequired>0</DemoRequired>",
         [](MissionRecord& r) { r.demoRequired = r.antitankRequired = true; },
         "<BriefingImageY>1</BriefingImageY>\r\n\t\t<AntitankRecommend>0</AntitankRecommend>\r\n"
         "\t\t<AntitankRequired>1</AntitankRequired>\r\n\t\t<DemoRecommend>0</DemoRecommend>"
         "<DemoRequired>1</DemoRequired>"},
        // A flag holding another digit is rewritten as 1.
        {"<Coop>7</Coop>", [](MissionRecord&) {}, "<Coop>1</Coop>"},

        // Rain and snow.
        {"<Engine><Weather>5</Weather>", precipitation(Precipitation::Snow),
         "<Engine>\r\n\t\t<Snow>1</Snow>\r\n\t\t<Rain>0</Rain><Weather>5</Weather>"},
        {"<Engine><Weather>5</Weather>", precipitation(Precipitation::Rain),
         "<Engine>\r\n\t\t<Snow>0</Snow>\r\n\t\t<Rain>1</Rain><Weather>5</Weather>"},
        {"<Engine><Weather>5</Weather>", precipitation(Precipitation::Clear),
         "<Engine>\r\n\t\t<Snow>0</Snow>\r\n\t\t<Rain>0</Rain><Weather>5</Weather>"},
        {"<Engine><Weather>5</Weather><Snow>1</Snow>", precipitation(Precipitation::Rain),
         "<Engine>\r\n\t\t<Rain>1</Rain><Weather>5</Weather><Snow>0</Snow>"},
        {"<Rain>1</Rain><Snow>1</Snow><Rain>1</Rain>", precipitation(Precipitation::Clear),
         "<Rain>0</Rain><Snow>0</Snow><Rain>1</Rain>"},
        {"<Rain>2</Rain>", precipitation(Precipitation::Rain), "<Rain>1</Rain>"},
        {"<Snow>", precipitation(Precipitation::Snow), "<Snow>1"},

        // Fog.
        {"<Wind>1</Wind>", fog(false), "<Wind>1</Wind>"},
        {"<Wind>1</Wind>\r\n<Wind>2</Wind>", fog(true),
         "<Wind>1</Wind>\r\n\t\t" + fogSet + "\r\n<Wind>2</Wind>"},
        // Unchecked: an element in the document stays as it is.
        {fogElement("9"), fog(false), fogElement("9")},
        // The word without an element: nothing is inserted and nothing changes.
        {"<Wind>1</Wind><Note>FogOverride</Note>", fog(true),
         "<Wind>1</Wind><Note>FogOverride</Note>"},
        // No anchor: nothing inserted.
        {"<Wind/>", fog(true), "<Wind/>"},
        // Only the first fog element is written; quotes after it are not touched.
        {fogElement("") + fogElement("8"), fog(true), fogSet + fogElement("8")},
        // A decoy before the fog element keeps its attributes.
        {"<L Near = \"0\" Spot = \"x\"/>" + fogElement("0"), fog(true),
         "<L Near = \"0\" Spot = \"x\"/>" + fogSet},
    };
    for (const Case& c : cases)
        EXPECT_EQ(saveEdited(c.text, c.edit), c.expected) << c.text;
}

// Texts and values that make the searches of one step find what an earlier step wrote: tags
// inside values, a tag completed by the text behind a value, anchors made by filling an empty
// form, repeated tags and anchors, a fog element without its end.
TEST(MissionOneScan, SavesAndLoadsAsTheStepByStepVersion) {
    const std::string fogDefault = "<FogOverride Near = \"0\" Far = \"80\" Red = \"240\" Green = "
                                   "\"240\" Blue = \"240\" Spot = \"100\"/>";
    std::vector<std::string> texts = {
        "",
        "<Wind>ame>",
        "<Name/>\r\n<Name/></Name><Engine><Engine></WeatherIndex></BriefingImageY>",
        "<Engine>\r\n</Wind><Wind></WeatherIndex></Name></BriefingImageY><Rain>2<Snow>x",
        "<Wind>1</Wind>FogOverride<FogOverride Near = \"1\" Far = \"2\"",
        "<MapShots/><MapName/><Name>a</Name></Name><Name>b</Name><BriefingText/>\r\n</Wind>",
        "</Name><Name>x<Coop>1</Coop><Coop>0</Coop></Name><Rain>1</Rain><Rain>0</Rain>",
        "<Environment><Wind>3</Environment></Wind><FogOverride/>" + fogDefault,
        "<Rain><Snow></Snow></Rain><Weather><WeatherIndex>1</WeatherIndex></Weather>",
        // Look-alikes: a longer name, a name cut short, the fog element's name run on.
        "<Names>a</Names><Nam>b</Nam></Name ><FogOverrideX Near = \"1\"/><Wind>2</Wind>",
    };
    for (const char* name : {"full.mis", "full.expected.mis", "sparse.mis", "sparse.expected.mis",
                             "decoy.mis", "decoy.expected.mis"})
        texts.push_back(readData(name));

    const std::string tags = "</Wind><Name/></Name><Engine><FogOverride Near = \"9\"/>"
                             "</WeatherIndex><Coop>1</BriefingImageY><Rain>1<Snow>";
    const Edit edits[] = {
        [](MissionRecord&) {},
        [&tags](MissionRecord& r) {
            for (std::string* s : {&r.environment, &r.wind, &r.mapShots, &r.mapName, &r.name,
                                   &r.briefingText, &r.weather, &r.combatPoints, &r.fogNear})
                *s = tags;
            r.fogOverride = !r.fogOverride;
            r.precipitation = Precipitation::Rain;
        },
        [](MissionRecord& r) {
            r.wind = "<N";
            r.environment = "<";
            r.name = "/Wind>";
            r.mapShots = "Fog";
            r.mapName = "Override";
            r.fogOverride = true;
            r.fogSpot = "/";
            r.classes = {-1, 9, 0, 1, 2, 3};
        },
        [](MissionRecord& r) {
            r = MissionRecord();
            r.fogOverride = true;
            r.precipitation = Precipitation::Snow;
            r.coop = r.solo = r.demoRequired = true;
        },
    };
    for (const std::string& text : texts)
        for (const Edit& edit : edits)
            saveEdited(text, edit);
}

TEST(MissionScaling, EightTimesTheInputTakesFarLessThanQuadraticTime) {
    expectLinearTime(
        [](std::size_t bytes) {
            std::string text = readData("full.mis");
            while (text.size() < bytes)
                text += "\t\t<Object Id = \"1\" At = \"2 3\"/>\r\n";
            return text + "<Name/>";
        },
        [](const std::string& text) {
            MissionRecord record = loadMission(text);
            record.name = "edited";
            record.fogOverride = true;
            return saveMission(record, text);
        });
}

} // namespace
} // namespace dorva
