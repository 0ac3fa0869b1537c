#include "runcli.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace dorva::test {
namespace {

using testfiles::readFile;
using testfiles::writeFile;

// Sets one value on a copy of a data file and returns what show then prints for the key.
std::string valueAfterSet(const std::string& data, const std::string& key,
                          const std::string& value) {
    const TempFolder dir;
    const std::string out = dir.path("out" + std::filesystem::path(data).extension().string());
    const CliResult set = runCli({"set", dataFile(data), "-o", out, key + "=" + value});
    EXPECT_EQ(set.exitCode, 0) << key << "=" << value << ": " << set.err;
    return shownValue(runCli({"show", out}).out, key);
}

TEST(CliSet, ValuesAreTakenAsTheFieldTakesThemWhenLeft) {
    struct Case {
        std::string data, key, value, shown;
    };
    const std::vector<Case> cases = {
        {"hero.atr", "Weapon", "", "1"},
        {"hero.atr", "Weapon", "256", "255"},
        {"hero.atr", "Stamina", "0300", "255"},
        {"hero.atr", "Stealth", "007", "007"},
        {"hero.atr", "Leadership", "0", "1"}, // a single 0 is saved as 1
        {"hero.atr", "ScaleX", "", ""},       // no leave rule, and an empty scale is dropped
        {"hero.atr", "ActorName", "  spaced  ", "  spaced  "},
        {"hero.atr", "ActorName", "佐藤", "佐藤"},
        {"hero.atr", "ClassName", "support", "support"},
        {"hero.atr", "ArmorLevel", "3", "3"},
        {"rifle.kit", "Count1", "", "1"},
        {"rifle.kit", "Count2", "5000", "1000"},
        {"rifle.kit", "Count1", "0", "0"},
        {"rifle.kit", "KitTexture", "night.rsb", "night.rsb"},
        {"desert.mis", "FogRed", "", "255"},
        {"desert.mis", "FogGreen", "256", "255"},
        {"desert.mis", "FogBlue", "007", "007"},
        {"desert.mis", "FogNear", "", "0"},
        {"desert.mis", "FogFar", "99999", "99999"},
        {"desert.mis", "Wind", "", ""},
        {"desert.mis", "Name", "新しい任務", "新しい任務"},
        {"desert.mis", "Class0", "3", "3"},
        {"desert.mis", "Precipitation", "Snow", "Snow"},
        {"desert.mis", "Precipitation", "Clear", "Clear"},
        {"desert.mis", "Coop", "0", "0"},
        {"desert.mis", "BriefingText", "一行目\\n二行目\\\\", "一行目\\r\\n二行目\\\\"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(valueAfterSet(c.data, c.key, c.value), c.shown) << c.key << "=" << c.value;
}

// Unedited files come back byte for byte, and so do files given their own show output (for
// values that their fields take unchanged: hero.atr's Weapon 300 would become 255).
TEST(CliSet, UneditedAndShowOutputFedBackGiveTheSameFile) {
    for (const char* data : {"rifle.kit", "ammo.kit", "desert.mis"}) {
        const TempFolder dir;
        const std::string once = dir.path(std::string("once_") + data);
        const std::string twice = dir.path(std::string("twice_") + data);
        ASSERT_EQ(runCli({"set", dataFile(data), "-o", once}).exitCode, 0);
        EXPECT_EQ(readFile(once), readFile(dataFile(data))) << data;
        std::vector<std::string> args = {"set", dataFile(data), "-o", twice};
        std::istringstream lines(runCli({"show", dataFile(data)}).out);
        for (std::string line; std::getline(lines, line);)
            args.push_back(line);
        const CliResult r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << data << ": " << r.err;
        EXPECT_EQ(readFile(twice), readFile(once)) << data;
    }
}

TEST(CliSet, MissionEditsOnlyWhatChanged) {
    const TempFolder dir;
    const std::string out = dir.path("out.mis");
    const CliResult r = runCli({"set", dataFile("desert.mis"), "-o", out, "Precipitation=Snow",
                                "Class4=1", "MapSize=0", "WeatherIndex=7", "DateText=明日"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string expected = readFile(dataFile("desert.mis"));
    const auto replace = [&expected](const std::string& from, const std::string& to) {
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        expected.replace(at, from.size(), to);
    };
    replace("<Rain>1", "<Rain>0");
    replace("<Snow>0", "<Snow>1");
    replace("<Class4>3", "<Class4>1");
    replace("1990\x94N8\x8c\x8e"
            "2\x93\xfa",
            "\x96\xbe\x93\xfa"); // 1990年8月2日 -> 明日
    // MapSize and WeatherIndex are not written by a mission save.
    EXPECT_EQ(readFile(out), expected);
}

TEST(CliSet, KitCheckBoxesActAsClicks) {
    const TempFolder dir;
    const std::string out = dir.path("out.kit");

    CliResult r = runCli({"set", dataFile("rifle.kit"), "-o", out, "ExtraAmmo=1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string shown = runCli({"show", out}).out;
    EXPECT_EQ(shownValue(shown, "GrenadeLauncher"), "0");
    EXPECT_EQ(shownValue(shown, "Item2"), "");
    EXPECT_EQ(shownValue(shown, "Count2"), "3");
    EXPECT_EQ(shownValue(shown, "ExtraAmmo"), "1");
    EXPECT_NE(readFile(out).find("\t\t<ExtraAmmo>3</ExtraAmmo>\r\n"), std::string::npos);

    r = runCli({"set", dataFile("ammo.kit"), "-o", out, "GrenadeLauncher=1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    shown = runCli({"show", out}).out;
    EXPECT_EQ(shownValue(shown, "GrenadeLauncher"), "1");
    EXPECT_EQ(shownValue(shown, "ExtraAmmo"), "0");

    // Item2 goes before the click that empties it; afterwards its field takes nothing.
    r = runCli({"set", dataFile("rifle.kit"), "-o", out, "Item2=", "Count2=", "ExtraAmmo=1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(shownValue(runCli({"show", out}).out, "Count2"), "1");

    // A box already in the given state is not clicked, and the disabled second item takes the
    // text it holds: a file with extra ammunition and a second slot keeps that slot.
    std::string both = readFile(dataFile("ammo.kit"));
    both.insert(both.find("</KitFile>"), "\t<Firearm SlotNumber = \"1\">\r\n"
                                         "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
                                         "\t\t<ItemFileName>m9.gun</ItemFileName>\r\n"
                                         "\t\t<MagazineCount>4</MagazineCount>\r\n"
                                         "\t</Firearm>\r\n");
    const std::string in = dir.path("both.kit");
    writeFile(in, both);
    r = runCli({"set", in, "-o", out, "ExtraAmmo=1", "Item2=m9.gun", "GrenadeLauncher=0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readFile(out), both);
}

TEST(CliSet, InPlaceReplacesTheFileAndLeavesNoTemporaryFile) {
    const TempFolder dir;
    const std::string file = dir.path("hero.ATR");
    writeFile(file, readFile(dataFile("hero.atr")));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    const CliResult r = runCli({"set", file, "ActorName=鈴木"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(readFile(file).find("\t<ActorName>\x97\xe9\x96\xd8</ActorName>\r\n"),
              std::string::npos);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.root()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"hero.ATR"});
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write |
                                                               std::filesystem::perms::group_read);
}

TEST(CliSet, FailuresWriteNothing) {
    struct Case {
        std::string data;
        std::vector<std::string> assignments;
        int exitCode;
        std::string message; // after "FILE: "; empty for usage errors
    };
    const std::vector<Case> cases = {
        {"hero.atr", {"ActorName=x", "Nickname=y"}, 2, ""},
        {"hero.atr", {"ActorName"}, 2, ""},
        {"hero.atr", {"KitPath=C:\\kits"}, 2, ""}, // only \\, \r and \n are escapes
        {"hero.atr", {"ActorName=x", "Weapon=abc"}, 1, "'abc' は整数ではありません."},
        {"hero.atr", {"Weapon=99999999999"}, 1, "'99999999999' は整数ではありません."},
        {"hero.atr", {"ArmorLevel=4"}, 1, "'4' は ArmorLevel の選択肢にありません."},
        {"hero.atr", {"ArmorLevel=x"}, 1, "'x' は整数ではありません."},
        {"hero.atr", {"ClassName=medic"}, 1, "'medic' は ClassName の選択肢にありません."},
        {"hero.atr", {"ActorName=a\\nb"}, 1, "ActorName には改行を入力できません."},
        {"hero.atr", {"ActorName=😀"}, 1, "ActorName の文字 '😀' はコードページ 932 で書けません."},
        {"ammo.kit", {"Item2=m9.gun"}, 1, "Item2 は Ex Ammo が設定されている間は入力できません."},
        {"ammo.kit", {"Item2= "}, 1, "Item2 は Ex Ammo が設定されている間は入力できません."},
        {"rifle.kit", {"GrenadeLauncher=2"}, 1, "'2' は正しい論理型ではありません."},
        {"rifle.kit", {"Count1=-"}, 1, "'-' は整数ではありません."},
        {"rifle.kit", {"Item1=a\\r"}, 1, "Item1 には改行を入力できません."},
        {"desert.mis", {"Class2=4"}, 1, "'4' は Class2 の選択肢にありません."},
        {"desert.mis", {"MapSize=4"}, 1, "'4' は MapSize の選択肢にありません."},
        {"desert.mis", {"WeatherIndex=8"}, 1, "'8' は WeatherIndex の選択肢にありません."},
        {"desert.mis", {"Precipitation=snow"}, 1, "'snow' は Precipitation の選択肢にありません."},
        {"desert.mis", {"FogRed=red"}, 1, "'red' は整数ではありません."},
        {"desert.mis", {"Solo=yes"}, 1, "'yes' は正しい論理型ではありません."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assignments.back());
        const TempFolder dir;
        const std::string file = dir.path(c.data);
        const std::string out = dir.path("out");
        const std::string original = readFile(dataFile(c.data));
        writeFile(file, original);
        // In place, and to another file named before the input.
        for (std::vector<std::string> args :
             {std::vector<std::string>{"set", file}, {"set", "-o", out, file}}) {
            args.insert(args.end(), c.assignments.begin(), c.assignments.end());
            const CliResult r = runCli(args);
            EXPECT_EQ(r.exitCode, c.exitCode);
            if (c.exitCode == 1) {
                EXPECT_EQ(r.err, file + ": " + c.message + "\n");
            }
            EXPECT_FALSE(r.err.empty());
            EXPECT_EQ(readFile(file), original);
            EXPECT_FALSE(std::filesystem::exists(out));
        }
    }
}

TEST(CliSet, LoadAndWriteErrors) {
    const TempFolder dir;
    const std::string out = dir.path("out.atr");
    CliResult r = runCli({"set", dataFile("badarmor.atr"), "-o", out, "ActorName=x"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, dataFile("badarmor.atr") + ": '<' は整数ではありません.\n");
    EXPECT_FALSE(std::filesystem::exists(out));

    const std::string nowhere = dir.path("missing/out.atr");
    r = runCli({"set", dataFile("hero.atr"), "-o", nowhere});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, nowhere + ": ファイル " + nowhere + " を作成できません.\n");
}

} // namespace
} // namespace dorva::test
