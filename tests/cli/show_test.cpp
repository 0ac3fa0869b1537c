#include "formats/actorfile.h"
#include "runcli.h"
#include "testfiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>

namespace dorva::test {
namespace {

using testfiles::readFile;
using testfiles::writeFile;

TEST(CliShow, ActorValuesInElementOrderFromCodePage932) {
    const std::map<std::string, std::string> filled = {{"ActorName", "山田 太郎"},
                                                       {"ClassName", "sniper"},
                                                       {"ArmorLevel", "2"},
                                                       {"KitPath", "sniper"},
                                                       {"ModelFace", "yamada.rsb"},
                                                       {"BlinkFaceName", "yamada_blink.rsb"},
                                                       {"DesertModelFace", "yamada_d.rsb"},
                                                       {"ModelName", "soldier1.chr"},
                                                       {"LOD2", "soldier2.chr"},
                                                       {"Weapon", "300"},
                                                       {"Stamina", "80"},
                                                       {"Stealth", "0"},
                                                       {"Leadership", "12"},
                                                       {"ScaleX", "1.5"},
                                                       {"HeadAttachment", "helmet.qob"}};
    std::string expected;
    for (std::size_t i = 0; i < kActorElementCount; ++i) {
        const std::string key = actorElementName(static_cast<ActorElement>(i));
        expected += key + "=" + (filled.count(key) ? filled.at(key) : "") + "\n";
    }
    const CliResult r = runCli({"show", dataFile("hero.atr")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, expected);
}

TEST(CliShow, KitValues) {
    const CliResult r = runCli({"show", dataFile("rifle.kit")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "KitTexture=desert_kit.rsb\nItem1=m16.gun\nCount1=5\nGrenadeLauncher=1\n"
                     "Item2=m9.gun\nCount2=3\nExtraAmmo=0\n");
}

TEST(CliShow, MissionJsonIsOneObjectOfStringsInKeyOrder) {
    const CliResult r = runCli({"show", "--json", dataFile("desert.mis")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    ASSERT_TRUE(json.is_object());
    std::string keys;
    for (const auto& item : json.items()) {
        keys += item.key() + " ";
        EXPECT_TRUE(item.value().is_string()) << item.key();
    }
    EXPECT_EQ(keys, "Environment MapShots MapName RecommendedGameTypes Weather Wind FogOverride "
                    "FogNear FogFar FogSpot FogRed FogGreen FogBlue BriefingImage "
                    "BriefingCycleImage LocationText DateText TimeText BriefingWaveFile Name "
                    "CombatPoints HeroFile MapSize WeatherIndex Class0 Class1 Class2 Class3 Class4 "
                    "Class5 DemoRequired DemoRecommend AntitankRequired AntitankRecommend "
                    "SinglePlayer Coop Team Solo RequiresUnlocking GameTypes Precipitation "
                    "BriefingText ");
    EXPECT_EQ(json["LocationText"], "砂漠の町");
    EXPECT_EQ(json["Name"], "砂嵐");
    EXPECT_EQ(json["FogOverride"], "1");
    EXPECT_EQ(json["FogRed"], "200");
    EXPECT_EQ(json["FogSpot"], "50");
    EXPECT_EQ(json["Precipitation"], "Rain");
    EXPECT_EQ(json["Class5"], "7"); // a digit past the list is shown as read
    EXPECT_EQ(json["BriefingText"], "夜明け前に町へ入る。{p}\r\n橋を確保せよ。");
}

TEST(CliShow, PlainFormEscapesBreaksAndBackslashesAndShowsFogAsRead) {
    const TempFolder dir;
    const std::string file = dir.path("a.mis");
    writeFile(file, "<Name>FogOverride</Name><BriefingText>C:\\maps\nline 2\r</BriefingText>");
    const CliResult r = runCli({"show", file});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Line breaks were normalised to CR LF on opening.
    EXPECT_EQ(shownValue(r.out, "BriefingText"), "C:\\\\maps\\r\\nline 2\\r\\n");
    // The word alone checks the fog box; without the element its values are empty.
    EXPECT_EQ(shownValue(r.out, "FogOverride"), "1");
    EXPECT_EQ(shownValue(r.out, "FogNear"), "");
    EXPECT_EQ(shownValue(r.out, "FogRed"), "");
}

TEST(CliShow, KindFollowsExtensionInAnyCaseOrKindOption) {
    const TempFolder dir;
    const std::string kit = readFile(dataFile("rifle.kit"));
    writeFile(dir.path("UPPER.KIT"), kit);
    writeFile(dir.path("kit.txt"), kit);
    writeFile(dir.path("Mixed.Atr"), readFile(dataFile("hero.atr")));
    struct Case {
        std::vector<std::string> args;
        std::string key;
        std::string shown;
    };
    const Case cases[] = {
        {{dir.path("UPPER.KIT")}, "Item1", "m16.gun"},
        {{dir.path("Mixed.Atr")}, "ClassName", "sniper"},
        {{"--kind", "kit", dir.path("kit.txt")}, "Item2", "m9.gun"},
        // The option wins over the extension: an actor file read as a kit has no kit texture.
        {{"--kind", "kit", dataFile("hero.atr")}, "KitTexture", ""},
        // Lists show the digit that a save writes.
        {{dataFile("armor7.atr")}, "ArmorLevel", "7"},
        {{dataFile("armor7.atr")}, "ClassName", "medic"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"show"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 0) << c.args.back();
        EXPECT_EQ(shownValue(r.out, c.key), c.shown) << c.args.back();
    }

    const CliResult unknown = runCli({"show", dir.path("kit.txt")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("--kind"), std::string::npos);
    EXPECT_EQ(runCli({"show", "--kind", "weapon", dir.path("kit.txt")}).exitCode, 2);
}

// The format errors of a file are checked by dorva-cli check; these are the file errors.
TEST(CliShow, LoadErrorsNameTheFile) {
    const TempFolder dir;
    const std::string missing = dir.path("gone.atr");
    const std::string folder = dir.path("folder.kit");
    std::filesystem::create_directory(folder);
    const std::string large = dir.path("large.mis");
    writeFile(large, std::string(16 * 1024 * 1024 + 1, 'x'));
    const std::string limit = dir.path("limit.mis");
    writeFile(limit, std::string(16 * 1024 * 1024, 'x'));
    struct Case {
        std::string file;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {missing, 1, missing + ": ファイル " + missing + " は開けません.\n"},
        {folder, 1, folder + ": ファイル " + folder + " は開けません.\n"},
        {large, 1, large + ": 文字列の大きさが メモ の制限を越えました.\n"},
        {limit, 0, ""},
    };
    for (const Case& c : cases) {
        const CliResult r = runCli({"show", "--json", c.file});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.file;
        EXPECT_EQ(r.err, c.err) << c.file;
        if (c.exitCode != 0) {
            EXPECT_EQ(r.out, "") << c.file;
        }
    }
}

TEST(CliShow, UsageErrorsAndHelp) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"frob", dataFile("hero.atr")},
                                                 {"show"},
                                                 {"show", "--bogus", dataFile("hero.atr")}})
        EXPECT_EQ(runCli(args).exitCode, 2) << args.size();

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"show", "--help"}, {"set", "--help"}}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 0);
        for (const char* key : {"ActorName,", "ShellFaceName", "KitTexture,", "ExtraAmmo",
                                "Environment,", "BriefingText", "Precipitation,"})
            EXPECT_NE(r.out.find(key), std::string::npos) << args[0] << " lacks " << key;
    }
    const CliResult create = runCli({"new", "--help"});
    EXPECT_NE(create.out.find("RightThighAttachment"), std::string::npos);
    EXPECT_NE(create.out.find("GrenadeLauncher"), std::string::npos);
}

} // namespace
} // namespace dorva::test
