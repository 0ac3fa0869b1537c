#include "runcli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace dorva::test {
namespace {

TEST(CliShow, ActorValuesInKeyOrderFromCodePage932) {
    const CliResult r = runCli({"show", dataFile("hero.atr")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "ActorName=山田 太郎\n"
                     "ClassName=sniper\n"
                     "ArmorLevel=2\n"
                     "KitPath=sniper\n"
                     "ModelFace=yamada.rsb\n"
                     "BlinkFaceName=yamada_blink.rsb\n"
                     "DesertModelFace=yamada_d.rsb\n"
                     "DesertBlinkFace=\n"
                     "JungleModelFace=\n"
                     "JungleBlinkFace=\n"
                     "ModelName=soldier1.chr\n"
                     "LOD2=soldier2.chr\n"
                     "LOD3=\n"
                     "LOD4=\n"
                     "DesertLOD1=\n"
                     "DesertLOD2=\n"
                     "DesertLOD3=\n"
                     "DesertLOD4=\n"
                     "JungleLOD1=\n"
                     "JungleLOD2=\n"
                     "JungleLOD3=\n"
                     "JungleLOD4=\n"
                     "Weapon=300\n"
                     "Stamina=80\n"
                     "Stealth=0\n"
                     "Leadership=12\n"
                     "ScaleX=1.5\n"
                     "ScaleY=\n"
                     "ScaleZ=\n"
                     "HeadAttachment=helmet.qob\n"
                     "NeckAttachment=\n"
                     "SpineLowAttachment=\n"
                     "SpineMidAttachment=\n"
                     "LeftThighAttachment=\n"
                     "RightThighAttachment=\n"
                     "ActionFaceName=\n"
                     "ShellFaceName=\n");
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
    const std::vector<std::string> expectedKeys = {"Environment",
                                                   "MapShots",
                                                   "MapName",
                                                   "RecommendedGameTypes",
                                                   "Weather",
                                                   "Wind",
                                                   "FogOverride",
                                                   "FogNear",
                                                   "FogFar",
                                                   "FogSpot",
                                                   "FogRed",
                                                   "FogGreen",
                                                   "FogBlue",
                                                   "BriefingImage",
                                                   "BriefingCycleImage",
                                                   "LocationText",
                                                   "DateText",
                                                   "TimeText",
                                                   "BriefingWaveFile",
                                                   "Name",
                                                   "CombatPoints",
                                                   "HeroFile",
                                                   "MapSize",
                                                   "WeatherIndex",
                                                   "Class0",
                                                   "Class1",
                                                   "Class2",
                                                   "Class3",
                                                   "Class4",
                                                   "Class5",
                                                   "DemoRequired",
                                                   "DemoRecommend",
                                                   "AntitankRequired",
                                                   "AntitankRecommend",
                                                   "SinglePlayer",
                                                   "Coop",
                                                   "Team",
                                                   "Solo",
                                                   "RequiresUnlocking",
                                                   "GameTypes",
                                                   "Precipitation",
                                                   "BriefingText"};
    std::vector<std::string> keys;
    for (const auto& item : json.items()) {
        keys.push_back(item.key());
        EXPECT_TRUE(item.value().is_string()) << item.key();
    }
    EXPECT_EQ(keys, expectedKeys);
    EXPECT_EQ(json["LocationText"], "砂漠の町");
    EXPECT_EQ(json["Name"], "砂嵐");
    EXPECT_EQ(json["FogOverride"], "1");
    EXPECT_EQ(json["FogRed"], "200");
    EXPECT_EQ(json["FogSpot"], "50");
    EXPECT_EQ(json["Precipitation"], "Rain");
    EXPECT_EQ(json["Class5"], "7"); // a digit past the list is shown as read
    EXPECT_EQ(json["BriefingText"], "夜明け前に町へ入る。{p}\r\n橋を確保せよ。");
}

TEST(CliShow, PlainFormEscapesLineBreaksAndBackslashes) {
    const TempFolder dir;
    const std::string file = dir.path("a.mis");
    writeBytes(file, "<Name>x</Name><BriefingText>C:\\maps\nline 2\r</BriefingText>");
    const CliResult r = runCli({"show", file});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Line breaks were normalised to CR LF on opening.
    EXPECT_EQ(shownValue(r.out, "BriefingText"), "C:\\\\maps\\r\\nline 2\\r\\n");
}

TEST(CliShow, FogWordWithoutFogElement) {
    const TempFolder dir;
    const std::string file = dir.path("word.mis");
    writeBytes(file, "<Name>FogOverride</Name>");
    const CliResult r = runCli({"show", file});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(shownValue(r.out, "FogOverride"), "1");
    EXPECT_EQ(shownValue(r.out, "FogNear"), "");
    EXPECT_EQ(shownValue(r.out, "FogRed"), "");
}

TEST(CliShow, ListsShowTheDigitThatASaveWrites) {
    const CliResult r = runCli({"show", dataFile("armor7.atr")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(shownValue(r.out, "ArmorLevel"), "7");
    EXPECT_EQ(shownValue(r.out, "ClassName"), "medic");
}

TEST(CliShow, KindFollowsExtensionInAnyCaseOrKindOption) {
    const TempFolder dir;
    const std::string kit = readBytes(dataFile("rifle.kit"));
    writeBytes(dir.path("UPPER.KIT"), kit);
    writeBytes(dir.path("kit.txt"), kit);
    writeBytes(dir.path("Mixed.Atr"), readBytes(dataFile("hero.atr")));

    EXPECT_EQ(shownValue(runCli({"show", dir.path("UPPER.KIT")}).out, "Item1"), "m16.gun");
    EXPECT_EQ(shownValue(runCli({"show", dir.path("Mixed.Atr")}).out, "ClassName"), "sniper");
    EXPECT_EQ(shownValue(runCli({"show", "--kind", "kit", dir.path("kit.txt")}).out, "Item2"),
              "m9.gun");
    // The option wins over the extension: an actor file read as a kit has no kit texture.
    const CliResult asKit = runCli({"show", "--kind", "kit", dataFile("hero.atr")});
    EXPECT_EQ(asKit.exitCode, 0);
    EXPECT_EQ(shownValue(asKit.out, "KitTexture"), "");

    const CliResult unknown = runCli({"show", dir.path("kit.txt")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("--kind"), std::string::npos);
    EXPECT_EQ(runCli({"show", "--kind", "weapon", dir.path("kit.txt")}).exitCode, 2);
}

TEST(CliShow, LoadErrorsNameTheFile) {
    const TempFolder dir;
    const std::string missing = dir.path("gone.atr");
    const std::string large = dir.path("large.mis");
    writeBytes(large, std::string(16 * 1024 * 1024 + 1, 'x'));
    const std::string limit = dir.path("limit.mis");
    writeBytes(limit, std::string(16 * 1024 * 1024, 'x'));
    std::filesystem::create_directory(dir.path("folder.kit"));

    struct Case {
        std::string file;
        int exitCode;
        std::string err;
    };
    const std::vector<Case> cases = {
        {dataFile("badarmor.atr"), 1, dataFile("badarmor.atr") + ": '<' は整数ではありません.\n"},
        {dataFile("badflag.mis"), 1,
         dataFile("badflag.mis") + ": 'y' は正しい論理型ではありません.\n"},
        {missing, 1, missing + ": ファイル " + missing + " は開けません.\n"},
        {dir.path("folder.kit"), 1,
         dir.path("folder.kit") + ": ファイル " + dir.path("folder.kit") + " は開けません.\n"},
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

TEST(CliShow, UsageErrors) {
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({"frob", dataFile("hero.atr")}).exitCode, 2);
    EXPECT_EQ(runCli({"show"}).exitCode, 2);
    EXPECT_EQ(runCli({"show", "--bogus", dataFile("hero.atr")}).exitCode, 2);
}

TEST(CliShow, HelpListsTheKeysOfEachKind) {
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
