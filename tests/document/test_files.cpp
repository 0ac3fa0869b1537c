#include "document/filereader.h"
#include "document/filewriter.h"
#include "formats/error.h"
#include "tempfolder.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorva::test {
namespace {

namespace fs = std::filesystem;
using testfiles::readFile;
using testfiles::writeFile;

std::string errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

std::string cannotCreate(const std::string& path) {
    return "ファイル " + path + " を作成できません";
}

// The names in a folder, so a test sees any temporary file left behind.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ino_t inodeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

// Runs work with the process's file size limit set low, as a full disk would cut a write off.
std::string withFileSizeLimit(rlim_t bytes, const std::function<void()>& work) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = errorOf(work);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return error;
}

TEST(FileReader, ReadsBytesExactlyUpToTheLimit) {
    const TempFolder dir;
    const std::string path = dir.path("a.mis");
    const std::string bytes("\x82\xa0\r\nline\n\0end", 14);
    writeFile(path, bytes);
    EXPECT_EQ(readFile(path), bytes);
    EXPECT_EQ(dorva::readFile(path), bytes);
    writeFile(path, std::string(kMaxFileSize, 'a'));
    EXPECT_EQ(dorva::readFile(path).size(), kMaxFileSize);
    writeFile(path, std::string(kMaxFileSize + 1, 'a'));
    EXPECT_EQ(errorOf([&] { dorva::readFile(path); }), "文字列の大きさが メモ の制限を越えました");
}

TEST(FileReader, RefusesWhatIsNoRegularFileWithoutWaiting) {
    const TempFolder dir;
    const std::string fifo = dir.path("pipe.mis");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path :
         {dir.path("missing.atr"), dir.root().string(), fifo, std::string("/dev/zero")})
        EXPECT_EQ(errorOf([&] { dorva::readFile(path); }), "ファイル " + path + " は開けません");
}

TEST(FileWriter, CreatesAndReplacesFilesLeavingNothingElse) {
    const TempFolder dir;
    const std::string path = dir.path("out.atr");
    writeFile(path, "old");
    ::chmod(path.c_str(), 0640);

    dorva::writeFile(path, "first\r\n");
    EXPECT_EQ(readFile(path), "first\r\n");
    dorva::writeFile(path, "2");
    EXPECT_EQ(readFile(path), "2");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    dorva::writeFile(dir.path("new.kit"), "n");
    EXPECT_EQ(readFile(dir.path("new.kit")), "n");
    EXPECT_EQ(namesIn(dir.root()), (std::vector<std::string>{"new.kit", "out.atr"}));
}

TEST(FileWriter, WritesThroughLinksAndKeepsThem) {
    const TempFolder dir;
    fs::create_directory(dir.path("real"));
    const std::string target = dir.path("real/a.kit");
    writeFile(target, "old");
    fs::create_symlink("real/a.kit", dir.path("relative.kit"));
    fs::create_symlink(target, dir.path("absolute.kit"));
    fs::create_hard_link(target, dir.path("hard.kit"));
    const ino_t inode = inodeOf(target);

    dorva::writeFile(dir.path("relative.kit"), "one");
    EXPECT_EQ(readFile(target), "one");
    dorva::writeFile(dir.path("absolute.kit"), "two");
    EXPECT_EQ(readFile(dir.path("hard.kit")), "two");
    dorva::writeFile(dir.path("hard.kit"), "three, longer than before");
    EXPECT_EQ(readFile(target), "three, longer than before");
    dorva::writeFile(target, "4");
    EXPECT_EQ(readFile(dir.path("hard.kit")), "4");

    EXPECT_TRUE(fs::is_symlink(dir.path("relative.kit")));
    EXPECT_TRUE(fs::is_symlink(dir.path("absolute.kit")));
    EXPECT_EQ(inodeOf(target), inode);
    EXPECT_EQ(namesIn(dir.path("real")), std::vector<std::string>{"a.kit"});
}

TEST(FileWriter, SavesAFileWithTheLongestNameInPlace) {
    const TempFolder dir;
    const std::string path = dir.path(std::string(251, 'n') + ".mis");
    writeFile(path, "old");
    ASSERT_EQ(readFile(path), "old");
    dorva::writeFile(path, "new");
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(namesIn(dir.root()).size(), 1u);
}

TEST(FileWriter, RefusesWhatIsNoRegularFileAndChangesNothing) {
    const TempFolder dir;
    fs::create_directory(dir.path("folder.kit"));
    const std::string fifo = dir.path("pipe.kit");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/proc/self/environ", dir.path("proc.kit"));
    fs::create_symlink("loop.kit", dir.path("loop.kit"));
    for (const std::string& path :
         {dir.path("gone/out.kit"), dir.path("folder.kit"), dir.path("folder.kit/"), fifo,
          dir.path("proc.kit"), dir.path("loop.kit"), std::string("/dev/null"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(errorOf([&] { dorva::writeFile(path, "x"); }), cannotCreate(path));
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(dir.path("folder.kit")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(namesIn(dir.root()),
              (std::vector<std::string>{"folder.kit", "loop.kit", "pipe.kit", "proc.kit"}));
}

// A write cut off part way (here by the process's file size limit, as by a full disk) keeps the
// old file, whether it was to replace the file or to rewrite it in place.
TEST(FileWriter, AWriteCutOffKeepsTheOldFile) {
    const TempFolder dir;
    const std::string path = dir.path("keep.mis");
    writeFile(path, "old contents");
    fs::create_hard_link(path, dir.path("link.mis"));
    for (const std::string& target : {dir.path("new.mis"), path}) {
        SCOPED_TRACE(target);
        if (target != path)
            writeFile(target, "old contents");
        EXPECT_EQ(withFileSizeLimit(64, [&] { dorva::writeFile(target, std::string(1000, 'n')); }),
                  cannotCreate(target));
        EXPECT_EQ(readFile(target), "old contents");
    }
    EXPECT_EQ(readFile(dir.path("link.mis")), "old contents");
    EXPECT_EQ(namesIn(dir.root()), (std::vector<std::string>{"keep.mis", "link.mis", "new.mis"}));
}

class WriterPermissions : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() == 0)
            GTEST_SKIP() << "root may write anything; run as a normal user to test permissions";
    }
};

TEST_F(WriterPermissions, ARefusedWriteChangesNothing) {
    const TempFolder dir;
    const std::string readOnly = dir.path("ro.kit");
    writeFile(readOnly, "old");
    ::chmod(readOnly.c_str(), 0444);
    fs::create_directory(dir.path("locked"));
    ::chmod(dir.path("locked").c_str(), 0555);

    EXPECT_EQ(errorOf([&] { dorva::writeFile(readOnly, "new"); }), cannotCreate(readOnly));
    const std::string fresh = dir.path("locked/new.kit");
    EXPECT_EQ(errorOf([&] { dorva::writeFile(fresh, "new"); }), cannotCreate(fresh));
    EXPECT_EQ(readFile(readOnly), "old");
    EXPECT_TRUE(namesIn(dir.path("locked")).empty());
}

// A shared game folder the user may not write, holding a file the user may.
TEST_F(WriterPermissions, AFileInAFolderThatCannotBeWrittenIsRewrittenInPlace) {
    const TempFolder dir;
    fs::create_directory(dir.path("game"));
    const std::string path = dir.path("game/m.mis");
    writeFile(path, "old text that is long");
    const ino_t inode = inodeOf(path);
    ::chmod(dir.path("game").c_str(), 0555);

    dorva::writeFile(path, "short");
    EXPECT_EQ(readFile(path), "short");
    EXPECT_EQ(inodeOf(path), inode);
    EXPECT_EQ(withFileSizeLimit(64, [&] { dorva::writeFile(path, std::string(1000, 'n')); }),
              cannotCreate(path));
    EXPECT_EQ(readFile(path), "short");
    EXPECT_EQ(namesIn(dir.path("game")), std::vector<std::string>{"m.mis"});
}

} // namespace
} // namespace dorva::test
