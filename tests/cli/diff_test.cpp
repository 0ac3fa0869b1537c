#include "runcli.h"
#include "testfiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>

namespace dorva::test {
namespace {

using testfiles::readFile;
using testfiles::writeFile;
using Json = nlohmann::ordered_json; // the order of keys counts

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(CliDiff, FilePairs) {
    const std::string hero = readFile(dataFile("hero.atr"));
    const std::string desert = readFile(dataFile("desert.mis"));
    std::string lf = desert;
    lf.erase(std::remove(lf.begin(), lf.end(), '\r'), lf.end());
    struct Case {
        const char* what;
        std::string nameA, a, nameB, b;
        int exitCode;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"equal", "a.atr", hero, "b.atr", hero, 0, ""},
        {"line breaks only", "a.mis", desert, "b.mis", lf, 0, ""},
        {"fields in key order, code page 932", "a.atr", hero, "b.atr",
         replaced(replaced(hero, "<ArmorLevel>2", "<ArmorLevel>3"), "\x8eR\x93\x63 \x91\xbe\x98Y",
                  "\x8d\xb2\x93\xa1"),
         1, "ActorName: 山田 太郎 -> 佐藤\nArmorLevel: 2 -> 3\n"},
        {"escapes", "a.mis", desert, "b.mis", replaced(desert, "{p}", "C:\\maps"), 1,
         "BriefingText: 夜明け前に町へ入る。{p}\\r\\n橋を確保せよ。 -> "
         "夜明け前に町へ入る。C:\\\\maps\\r\\n橋を確保せよ。\n"},
        {"other text only", "a.mis", desert, "b.mis", replaced(desert, ">120<", ">130<"), 1,
         "other text differs\n"},
        {"a field a save keeps as read", "a.mis", desert, "b.mis",
         replaced(desert, "<MapSize>2", "<MapSize>3"), 1, "MapSize: 2 -> 3\n"},
        {"two kinds", "a.atr", hero, "b.kit", readFile(dataFile("rifle.kit")), 2, ""},
        {"missing file", "a.atr", hero, "gone.atr", "", 2, ""},
    };
    for (const Case& c : cases) {
        const TempFolder dir;
        const std::string a = dir.path(c.nameA);
        const std::string b = dir.path(c.nameB);
        writeFile(a, c.a);
        if (!c.b.empty())
            writeFile(b, c.b);
        const CliResult r = runCli({"diff", a, b});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err.empty(), c.exitCode < 2) << c.what << ": " << r.err;
    }
}

// Byte order of the names, files of other kinds and subfolders left out, and a file that does
// not load reported while the others are still compared.
TEST(CliDiff, Folders) {
    const TempFolder dir;
    const std::string old = dir.path("old");
    const std::string now = dir.path("new") + "/";
    for (const std::string& folder : {old, now}) {
        std::filesystem::create_directories(folder + "/sub.atr");
        writeFile(folder + "/bad.mis", readFile(dataFile("badflag.mis")));
        writeFile(folder + "/rifle.kit", readFile(dataFile("rifle.kit")));
    }
    const std::string hero = readFile(dataFile("hero.atr"));
    const std::string desert = readFile(dataFile("desert.mis"));
    writeFile(old + "/desert.mis", desert);
    writeFile(now + "desert.mis", replaced(replaced(desert, "{p}", "\\"), ">120<", ">130<"));
    writeFile(old + "/hero.atr", hero);
    writeFile(now + "hero.atr", replaced(hero, ">300<", ">250<"));
    writeFile(old + "/Zulu.atr", hero);
    writeFile(old + "/notes.txt", "");
    writeFile(now + "extra.mis", "");

    const CliResult r = runCli({"diff", old, now});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out,
              "only in " + old +
                  ": Zulu.atr\ndesert.mis: BriefingText: 夜明け前に町へ入る。{p}\\r\\n橋を確保"
                  "せよ。 -> 夜明け前に町へ入る。\\\\\\r\\n橋を確保せよ。\ndesert.mis: other "
                  "text differs\nonly in " +
                  now + ": extra.mis\nhero.atr: Weapon: 300 -> 250\n");
    EXPECT_EQ(r.err.rfind(old + "/bad.mis: ", 0), 0u) << r.err;

    // --kind leaves out the mission that does not load.
    const CliResult json = runCli({"diff", "--json", "--kind", "actor", old, now});
    EXPECT_EQ(json.exitCode, 1) << json.err;
    const std::string objects =
        R"([{"onlyIn": ")" + old + R"(", "name": "Zulu.atr"}, {"a": ")" + old +
        R"(/hero.atr", "b": ")" + now + R"(hero.atr", "fields": [)" +
        R"({"key": "Weapon", "a": "300", "b": "250"}], "otherTextDiffers": false}])";
    EXPECT_EQ(Json::parse(json.out), Json::parse(objects));

    const CliResult same = runCli({"diff", "--kind", "kit", old, now});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
}

} // namespace
} // namespace dorva::test
