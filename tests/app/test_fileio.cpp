#include "app/fileio.h"

#include "formats/error.h"
#include "testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

using testfiles::readFile;
using testfiles::writeFile;

namespace {

std::string errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const dorva::Error& e) {
        return e.what();
    }
    return "(no error)";
}

std::string message(const QString& path, const char* what) {
    return "ファイル " + QDir::toNativeSeparators(path).toStdString() + what;
}

} // namespace

TEST(FileIo, ReadsBytesExactlyUpToSixteenMebibytes) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("a.mis").toStdString();
    const std::string bytes("\x82\xa0\r\nline\n\0end", 14);
    writeFile(path, bytes);
    EXPECT_EQ(dorva::readDocumentFile(dir.filePath("a.mis")), bytes);
    writeFile(path, std::string(dorva::kMaxDocumentSize, 'a'));
    EXPECT_EQ(dorva::readDocumentFile(dir.filePath("a.mis")).size(),
              size_t(dorva::kMaxDocumentSize));
    writeFile(path, std::string(dorva::kMaxDocumentSize + 1, 'a'));
    EXPECT_EQ(errorOf([&] { dorva::readDocumentFile(dir.filePath("a.mis")); }),
              "文字列の大きさが メモ の制限を越えました");
}

TEST(FileIo, UnreadablePathsNameThePath) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath("missing.atr"), dir.path()})
        EXPECT_EQ(errorOf([&] { dorva::readDocumentFile(path); }), message(path, " は開けません"));
}

TEST(FileIo, WriteCreatesAndReplacesFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.atr");
    dorva::writeDocumentFile(path, "first\r\n");
    EXPECT_EQ(readFile(path.toStdString()), "first\r\n");
    dorva::writeDocumentFile(path, "2");
    EXPECT_EQ(readFile(path.toStdString()), "2");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.atr"});
}

TEST(FileIo, WriteIntoMissingFolderOrOverFolderFails) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder.kit");
    for (const QString& path : {dir.filePath("gone/out.kit"), dir.filePath("folder.kit")}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(errorOf([&] { dorva::writeDocumentFile(path, "x"); }),
                  message(path, " を作成できません"));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("gone/out.kit")));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.kit")).isDir());
}

// A write that fails half way (here: the file size limit of the process, as on a full disk)
// leaves the existing file as it was and no stray file behind.
TEST(FileIo, FailedWriteKeepsTheExistingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.mis");
    writeFile(path.toStdString(), "old contents");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error =
        errorOf([&] { dorva::writeDocumentFile(path, std::string(100000, 'n')); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, message(path, " を作成できません"));
    EXPECT_EQ(readFile(path.toStdString()), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.mis"});
}
