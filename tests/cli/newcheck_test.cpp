#include "runcli.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace dorva::test {
namespace {

using testfiles::readFile;
using testfiles::writeFile;

TEST(CliNew, ActorWithValues) {
    const TempFolder dir;
    const std::string out = dir.path("new.atr");
    const CliResult r = runCli({"new", "actor", "-o", out, "ActorName=田中", "ArmorLevel=1",
                                "ClassName=rifleman", "Weapon=400", "ShellFaceName=shell.rsb"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readFile(out), "<ActorFile>\r\n"
                             "\t<VersionNumber>1.00</VersionNumber>\r\n"
                             "\t<ArmorLevel>1</ArmorLevel>\r\n"
                             "\t<ActorName>\x93\x63\x92\x86</ActorName>\r\n"
                             "\t<ClassName>rifleman</ClassName>\r\n"
                             "\t<ModelFace></ModelFace>\r\n"
                             "\t<BlinkFaceName></BlinkFaceName>\r\n"
                             "\t<KitPath></KitPath>\r\n"
                             "\t<ModelName></ModelName>\r\n"
                             "\t<Weapon>255</Weapon>\r\n"
                             "\t<Stamina>1</Stamina>\r\n"
                             "\t<Stealth>1</Stealth>\r\n"
                             "\t<Leadership>1</Leadership>\r\n"
                             "\t<ShellFaceName>shell.rsb</ShellFaceName>\r\n"
                             "</ActorFile>\r\n");
}

TEST(CliNew, KitPages) {
    struct Case {
        std::vector<std::string> assignments;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {{},
         "<KitFile>\r\n\t<VersionNumber>1.000000</VersionNumber>\r\n"
         "\t<KitTexture></KitTexture>\r\n</KitFile>\r\n"},
        {{"KitTexture=tex1", "Item1=flashbang.prj", "Count1=", "Count2=4", "ExtraAmmo=1"},
         "<KitFile>\r\n\t<VersionNumber>1.000000</VersionNumber>\r\n"
         "\t<KitTexture>tex1</KitTexture>\r\n"
         "\t<ThrownItem SlotNumber = \"0\">\r\n"
         "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
         "\t\t<ItemFileName>flashbang.prj</ItemFileName>\r\n"
         "\t\t<Count>1</Count>\r\n"
         "\t\t<ExtraAmmo>4</ExtraAmmo>\r\n"
         "\t</ThrownItem>\r\n"
         "</KitFile>\r\n"},
    };
    for (const Case& c : cases) {
        const TempFolder dir;
        const std::string out = dir.path("new.kit");
        std::vector<std::string> args = {"new", "kit", "-o", out};
        args.insert(args.end(), c.assignments.begin(), c.assignments.end());
        const CliResult r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(readFile(out), c.bytes);
    }
}

TEST(CliNew, UsageErrorsWriteNothing) {
    const TempFolder dir;
    const std::string out = dir.path("new.mis");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"new", "mission", "-o", out},
          {"new", "weapon", "-o", out},
          {"new", "actor"},
          {"new", "kit", "-o", out, "ActorName=x"},
          {"new", "-o", out}}) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args[1];
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(std::filesystem::exists(out));
    }
    const CliResult bad = runCli({"new", "actor", "-o", out, "ArmorLevel=9"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, out + ": '9' は ArmorLevel の選択肢にありません.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CliCheck, ReportsEachFailingFile) {
    const TempFolder dir;
    const std::string missing = dir.path("missing.kit");
    const CliResult r =
        runCli({"check", dataFile("hero.atr"), dataFile("badarmor.atr"), dataFile("desert.mis"),
                dataFile("badflag.mis"), missing, dataFile("rifle.kit")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, dataFile("badarmor.atr") + ": '<' は整数ではありません.\n" +
                         dataFile("badflag.mis") + ": 'y' は正しい論理型ではありません.\n" +
                         missing + ": ファイル " + missing + " は開けません.\n");
}

TEST(CliCheck, GoodFilesPass) {
    const CliResult r =
        runCli({"check", dataFile("hero.atr"), dataFile("armor7.atr"), dataFile("rifle.kit"),
                dataFile("ammo.kit"), dataFile("desert.mis")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
}

TEST(CliCheck, KindOptionAndUnknownExtensions) {
    // Read as a mission, the actor file has no flag to fail on; read as an actor it fails.
    EXPECT_EQ(runCli({"check", "--kind", "mission", dataFile("badarmor.atr")}).exitCode, 0);
    const TempFolder dir;
    const std::string renamed = dir.path("hero.txt");
    writeFile(renamed, readFile(dataFile("badarmor.atr")));
    EXPECT_EQ(runCli({"check", "--kind", "actor", renamed}).exitCode, 1);
    const CliResult r = runCli({"check", dataFile("badarmor.atr"), renamed});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.find("badarmor"), std::string::npos); // nothing was checked
    EXPECT_EQ(runCli({"check"}).exitCode, 2);
}

} // namespace
} // namespace dorva::test
