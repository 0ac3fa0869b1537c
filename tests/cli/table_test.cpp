#include "runcli.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace dorva::test {
namespace {

namespace fs = std::filesystem;
using testfiles::readFile;
using testfiles::writeFile;

// A file's bytes and modification time, set an hour back so that any rewrite shows.
struct Snapshot {
    std::string bytes;
    std::timespec modified{};
};

Snapshot snapshot(const std::string& path) {
    const timespec past[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), past, 0);
    struct stat info {};
    ::stat(path.c_str(), &info);
    return {readFile(path), info.st_mtim};
}

void expectUntouched(const std::string& path, const Snapshot& before) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(readFile(path), before.bytes) << path;
    EXPECT_EQ(info.st_mtim.tv_sec, before.modified.tv_sec) << path;
    EXPECT_EQ(info.st_mtim.tv_nsec, before.modified.tv_nsec) << path;
}

// Copies of the three expected actor files, which a save writes back unchanged.
std::vector<std::string> threeActors(const TempFolder& dir) {
    std::vector<std::string> files;
    for (const char* name : {"full", "messy_lf", "odd_values"}) {
        files.push_back(dir.path(std::string(name) + ".atr"));
        fs::copy_file(std::string(DORVA_TEST_DATA) + "/../../formats/data/actor/" + name +
                          ".expected.atr",
                      files.back());
    }
    return files;
}

TEST(CliTable, GoldenFilesComeBackUntouched) {
    const fs::path formats = fs::path(DORVA_TEST_DATA) / "../../formats/data";
    for (const auto& [kind, sources] : std::vector<std::pair<std::string, std::vector<fs::path>>>{
             {"actor", {formats / "actor", dataFile("hero.atr"), dataFile("armor7.atr")}},
             {"kit", {formats / "kit", dataFile("rifle.kit"), dataFile("ammo.kit")}},
             {"mission", {formats / "mission", dataFile("desert.mis")}}}) {
        const TempFolder dir;
        for (const fs::path& source : sources)
            fs::copy(source, dir.root());
        std::vector<std::string> args = {"table"};
        std::vector<Snapshot> before;
        for (const auto& entry : fs::directory_iterator(dir.root()))
            if (entry.path().filename().string().front() != '.') {
                args.push_back(entry.path().string());
                before.push_back(snapshot(args.back()));
            }
        const CliResult table = runCli(args);
        ASSERT_EQ(table.exitCode, 0) << kind << ": " << table.err;
        writeFile(dir.path("table.csv"), table.out);
        const CliResult apply = runCli({"apply", dir.path("table.csv")});
        EXPECT_EQ(apply.exitCode, 0) << apply.err;
        EXPECT_EQ(apply.out, "0 files changed, 0 values changed, " + std::to_string(before.size()) +
                                 " files unchanged.\n");
        for (std::size_t i = 0; i < before.size(); ++i)
            expectUntouched(args[i + 1], before[i]);
    }
}

TEST(CliTable, QuotesCellsAndKeepsGoingPastFilesThatDoNotLoad) {
    CliResult r = runCli({"table", dataFile("desert.mis"), dataFile("badflag.mis")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind(dataFile("badflag.mis") + ": ", 0), 0u) << r.err;
    EXPECT_EQ(r.out.substr(0, 30), "File,Environment,MapShots,MapN");
    EXPECT_NE(r.out.find("\r\n" + dataFile("desert.mis") + ","), std::string::npos);
    EXPECT_NE(r.out.find(",\"夜明け前に町へ入る。{p}\r\n橋を確保せよ。\"\r\n"), std::string::npos);

    r = runCli({"table", dataFile("hero.atr"), dataFile("rifle.kit"), dataFile("ammo.kit")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "dorva-cli: '" + dataFile("rifle.kit") + "' is a kit file and '" +
                         dataFile("hero.atr") +
                         "' an actor file; a table holds files of one kind\n");
}

// Columns in another order, one left out, paths relative to the table's folder, and cells that
// need quoting; the files come out as set writes them, and a dry run writes nothing.
TEST(CliApply, EditsAsSetDoes) {
    const TempFolder dir;
    const std::vector<std::string> files = threeActors(dir);
    std::vector<Snapshot> before;
    for (const std::string& file : files)
        before.push_back(snapshot(file));
    const std::string table = dir.path("roster.csv");
    writeFile(table, "Weapon,File,ActorName\r\n"
                     "12,full.atr,\"Tanaka, \"\"Ace\"\"\"\r\n"
                     "300,messy_lf.atr,佐藤\r\n"
                     "77,odd_values.atr,\r\n");
    const std::vector<std::vector<std::string>> assignments = {
        {"Weapon=12", "ActorName=Tanaka, \"Ace\""},
        {"Weapon=300", "ActorName=佐藤"},
        {"Weapon=77", "ActorName="}};

    const CliResult dry = runCli({"apply", table, "--dry-run"});
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    const std::string folder = dir.root().string() + "/";
    EXPECT_EQ(dry.out, folder + "full.atr: ActorName: 山田 太郎 -> Tanaka, \"Ace\"\n" + folder +
                           "full.atr: Weapon: 200 -> 12\n" + folder +
                           "messy_lf.atr: ActorName:  Kurz  -> 佐藤\n" + folder +
                           "messy_lf.atr: Weapon: 50 -> 255\n" + folder +
                           "odd_values.atr: ActorName: base -> \n" + folder +
                           "odd_values.atr: Weapon: 1 -> 77\n"
                           "3 files to change, 6 values to change, 0 files unchanged; nothing "
                           "written (dry run).\n");
    for (std::size_t i = 0; i < files.size(); ++i)
        expectUntouched(files[i], before[i]);

    const CliResult apply = runCli({"apply", table});
    EXPECT_EQ(apply.exitCode, 0) << apply.err;
    EXPECT_EQ(apply.out, "3 files changed, 6 values changed, 0 files unchanged.\n");
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::vector<std::string> args = {"set", files[i], "-o", dir.path("set.atr")};
        args.insert(args.end(), assignments[i].begin(), assignments[i].end());
        ASSERT_EQ(runCli(args).exitCode, 0);
        EXPECT_EQ(readFile(files[i]), readFile(dir.path("set.atr"))) << files[i];
    }
}

TEST(CliApply, RefusalsWriteNothing) {
    struct Case {
        std::string table; // after a header line and a row that changes full.atr
        std::string error; // the first line of the message, after "TABLE:"
    };
    const std::string header = "File,Weapon,ClassName,ActorName\r\nfull.atr,9,sniper,x\r\n";
    const std::vector<Case> cases = {
        {"messy_lf.atr,1,sniper,y\r\n", ""},
        {"messy_lf.atr,abc,sniper,y\r\n", "3: column 2 (Weapon): 'abc' は整数ではありません."},
        {"messy_lf.atr,1,medic,y\r\n",
         "3: column 3 (ClassName): 'medic' は ClassName の選択肢にありません."},
        {"messy_lf.atr,1,sniper,\"a\r\nb\"\r\n",
         "3: column 4 (ActorName): ActorName には改行を入力できません."},
        {"messy_lf.atr,1,sniper,😀\r\n",
         "3: column 4 (ActorName): ActorName の文字 '😀' はコードページ 932 で書けません."},
        {"missing.atr,1,sniper,y\r\n", "3: column 1 (File): ファイル "},
        {"./full.atr,1,sniper,y\r\n", "3: column 1 (File): names the same file as line 2."},
        {"rifle.kit,1,sniper,y\r\n", "3: column 1 (File): 'rifle.kit' is a kit file, but the "
                                     "table holds actor files."},
        {"messy_lf.atr,1,sniper\r\n", "3: the row has 3 cells, but the first row names 4 columns."},
        {"messy_lf.atr,1,sniper,\"y\r\n", "3: not valid CSV: a quoted cell is not closed."},
        {"messy_lf.atr,1,sniper,y\"\r\n", "3: not valid CSV: a quote stands inside a cell"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        const TempFolder dir;
        const std::vector<std::string> files = threeActors(dir);
        const Snapshot before = snapshot(files[0]);
        const std::string table = dir.path("t.csv");
        writeFile(table, header + c.table);
        const CliResult r = runCli({"apply", table});
        if (c.error.empty()) {
            EXPECT_EQ(r.exitCode, 0) << r.err;
            continue;
        }
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.rfind(table + ":" + c.error, 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
        expectUntouched(files[0], before);
    }
    for (const auto& [table, error] : std::vector<std::pair<std::string, std::string>>{
             {"Weapon\r\n9\r\n", ":1: the first row names no File column"},
             {"File,Weapon,Weapon\r\n", ":1: column 3 (Weapon): names the same column as column 2"},
             {"File,Wepon\r\nfull.atr,1\r\n",
              ":1: column 2 (Wepon): unknown key 'Wepon' for actor"},
         }) {
        const TempFolder dir;
        writeFile(dir.path("t.csv"), table);
        const CliResult r = runCli({"apply", dir.path("t.csv")});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.rfind(dir.path("t.csv") + error, 0), 0u) << r.err;
    }
}

// The second file is a link to the first one's open descriptor in /proc: it reads, but no
// writer takes a path through /proc, not even root's.
TEST(CliApply, AFailedWriteStopsTheRunAndNamesTheFilesWritten) {
    const TempFolder dir;
    const std::vector<std::string> files = threeActors(dir);
    const int fd = ::open(files[1].c_str(), O_RDONLY); // left open for dorva-cli to inherit
    ASSERT_GE(fd, 0);
    const std::string link = dir.path("link.atr");
    fs::create_symlink("/proc/self/fd/" + std::to_string(fd), link);
    const Snapshot third = snapshot(files[2]);
    writeFile(dir.path("t.csv"), "File,Weapon\r\nfull.atr,9\r\nlink.atr,9\r\nodd_values.atr,9\r\n");
    const CliResult r = runCli({"apply", dir.path("t.csv")});
    ::close(fd);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, link + ": ファイル " + link + " を作成できません.\ndorva-cli: stopped at " +
                         link + "; already written:\n  " + files[0] + "\n");
    EXPECT_EQ(r.out, "1 file changed, 1 value changed, 0 files unchanged, 2 files not written.\n");
    EXPECT_EQ(shownValue(runCli({"show", files[0]}).out, "Weapon"), "9");
    expectUntouched(files[2], third);
}

} // namespace
} // namespace dorva::test
