#include "app/fileio.h"

#include "formats/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const dorva::Error& e) {
        return e.what();
    }
    return "(no error)";
}

std::string cannotOpen(const QString& path) {
    return "ファイル " + QDir::toNativeSeparators(path).toStdString() + " は開けません";
}

std::string cannotCreate(const QString& path) {
    return "ファイル " + QDir::toNativeSeparators(path).toStdString() + " を作成できません";
}

} // namespace

TEST(FileIo, ReadsBytesExactly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.kit");
    const QByteArray bytes("\x82\xa0\r\nline\n\0end", 14);
    writeRaw(path, bytes);
    EXPECT_EQ(dorva::readDocumentFile(path), std::string(bytes.constData(), bytes.size()));
}

TEST(FileIo, UnreadablePathsNameThePath) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath("missing.atr"), dir.path()})
        EXPECT_EQ(errorOf([&] { dorva::readDocumentFile(path); }), cannotOpen(path));
}

TEST(FileIo, SizeLimitIsSixteenMebibytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.mis");
    writeRaw(path, QByteArray(dorva::kMaxDocumentSize, 'a'));
    EXPECT_EQ(dorva::readDocumentFile(path).size(), size_t(dorva::kMaxDocumentSize));
    writeRaw(path, QByteArray(dorva::kMaxDocumentSize + 1, 'a'));
    EXPECT_EQ(errorOf([&] { dorva::readDocumentFile(path); }),
              "文字列の大きさが メモ の制限を越えました");
}

TEST(FileIo, WriteCreatesAndReplacesFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.atr");
    dorva::writeDocumentFile(path, "first\r\n");
    EXPECT_EQ(readRaw(path), QByteArray("first\r\n"));
    dorva::writeDocumentFile(path, "2");
    EXPECT_EQ(readRaw(path), QByteArray("2"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.atr"});
}

TEST(FileIo, WriteIntoMissingFolderOrOverFolderFails) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("gone/out.kit");
    EXPECT_EQ(errorOf([&] { dorva::writeDocumentFile(missing, "x"); }), cannotCreate(missing));
    EXPECT_FALSE(QFile::exists(missing));

    QDir(dir.path()).mkdir("folder.kit");
    const QString folder = dir.filePath("folder.kit");
    EXPECT_EQ(errorOf([&] { dorva::writeDocumentFile(folder, "x"); }), cannotCreate(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

// A write that fails half way (here: the file size limit of the process, as on a full disk)
// leaves the existing file as it was and no stray file behind.
TEST(FileIo, FailedWriteKeepsTheExistingFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.mis");
    writeRaw(path, "old contents");

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

    EXPECT_EQ(error, cannotCreate(path));
    EXPECT_EQ(readRaw(path), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.mis"});
}
