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

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at == std::string::npos)
        throw std::logic_error("no " + from);
    return text.replace(at, from.size(), to);
}

std::string withoutCr(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

TEST(CliDiff, FilePairs) {
    const std::string hero = readFile(dataFile("hero.atr"));
    const std::string desert = readFile(dataFile("desert.mis"));
    struct Case {
        const char* what;
        std::string nameA, a, nameB, b;
        int exitCode;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"equal", "a.atr", hero, "b.atr", hero, 0, ""},
        {"line breaks only", "a.mis", desert, "b.mis", withoutCr(desert), 0, ""},
        {"fields in key order, code page 932", "a.atr", hero, "b.atr",
         replaced(replaced(hero, "<ArmorLevel>2", "<ArmorLevel>3"), "\x8eR\x93\x63 \x91\xbe\x98Y",
                  "\x8d\xb2\x93\xa1"),
         1, "ActorName: 山田 太郎 -> 佐藤\nArmorLevel: 2 -> 3\n"},
        {"escapes", "a.mis", desert, "b.mis", replaced(desert, "{p}", "C:\\maps"), 1,
         "BriefingText: 夜明け前に町へ入る。{p}\\r\\n橋を確保せよ。 -> "
         "夜明け前に町へ入る。C:\\\\maps\\r\\n橋を確保せよ。\n"},
        {"other text only", "a.mis", desert, "b.mis", replaced(desert, ">120<", ">130<"), 1,
         "other text differs\n"},
        {"two kinds", "a.atr", hero, "b.kit", readFile(dataFile("rifle.kit")), 2, ""},
        {"missing file", "a.atr", hero, "", "", 2, ""},
    };
    for (const Case& c : cases) {
        const TempFolder dir;
        const std::string a = dir.path(c.nameA);
        const std::string b = dir.path(c.nameB.empty() ? "gone.atr" : c.nameB);
        writeFile(a, c.a);
        if (!c.nameB.empty())
            writeFile(b, c.b);
        const CliResult r = runCli({"diff", a, b});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.what;
        EXPECT_EQ(r.err.empty(), c.exitCode < 2) << c.what << ": " << r.err;
    }
}

TEST(CliDiff, JsonGivesValuesAsShowJsonDoes) {
    const TempFolder dir;
    const std::string desert = readFile(dataFile("desert.mis"));
    writeFile(dir.path("a.mis"), desert);
    writeFile(dir.path("b.mis"), replaced(replaced(desert, "{p}", "\\"), ">120<", ">130<"));
    const CliResult r = runCli({"diff", "--json", dir.path("a.mis"), dir.path("b.mis")});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    const auto json = nlohmann::ordered_json::parse(r.out);
    EXPECT_EQ(json, nlohmann::ordered_json::parse(R"({"a": ")" + dir.path("a.mis") +
                                                  R"(", "b": ")" + dir.path("b.mis") + R"(",
        "fields": [{"key": "BriefingText", "a": "夜明け前に町へ入る。{p}\r\n橋を確保せよ。",
                    "b": "夜明け前に町へ入る。\\\r\n橋を確保せよ。"}],
        "otherTextDiffers": true})"));
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
        writeFile(folder + "/desert.mis", readFile(dataFile("desert.mis")));
        writeFile(folder + "/rifle.kit", readFile(dataFile("rifle.kit")));
    }
    const std::string hero = readFile(dataFile("hero.atr"));
    writeFile(old + "/hero.atr", hero);
    writeFile(now + "hero.atr", replaced(hero, ">300<", ">250<"));
    writeFile(old + "/Zulu.atr", hero);
    writeFile(old + "/notes.txt", "");
    writeFile(now + "extra.kit", "");

    const CliResult r = runCli({"diff", old, now});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "only in " + old + ": Zulu.atr\nonly in " + now +
                         ": extra.kit\nhero.atr: Weapon: 300 -> 250\n");
    EXPECT_EQ(r.err.rfind(old + "/bad.mis: ", 0), 0u) << r.err;

    std::filesystem::remove(old + "/bad.mis");
    std::filesystem::remove(now + "bad.mis");
    const CliResult json = runCli({"diff", "--json", "--kind", "actor", old, now});
    EXPECT_EQ(json.exitCode, 1) << json.err;
    const auto entries = nlohmann::ordered_json::parse(json.out);
    ASSERT_EQ(entries.size(), 2u) << json.out;
    EXPECT_EQ(entries[0],
              nlohmann::ordered_json::parse(R"({"onlyIn": ")" + old + R"(", "name": "Zulu.atr"})"));
    EXPECT_EQ(entries[1]["a"], old + "/hero.atr");
    EXPECT_EQ(entries[1]["b"], now + "hero.atr");

    const CliResult same = runCli({"diff", old, old});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
}

} // namespace
} // namespace dorva::test
