#include "app/editor.h"
#include "app/recentfiles.h"
#include "app/settings.h"

#include "shelltesting.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

using dorva::Settings;

namespace {

auto fields(const Settings& s) {
    return std::make_tuple(s.top, s.left, s.lastTab, s.lastDir.toStdString());
}

Settings make(int top, int left, int lastTab, const char* lastDir) {
    Settings s;
    s.top = top;
    s.left = left;
    s.lastTab = lastTab;
    s.lastDir = lastDir;
    return s;
}

} // namespace

TEST(SettingsPath, ReplacesTheExtensionOfTheExecutable) {
    EXPECT_EQ(dorva::settingsPathFor("/opt/dorva/dorva"), "/opt/dorva/dorva.ini");
    EXPECT_EQ(dorva::settingsPathFor("/opt/dorva/editor.exe"), "/opt/dorva/editor.ini");
    EXPECT_EQ(dorva::settingsPathFor("/opt/my.tools/editor.v2.bin"), "/opt/my.tools/editor.v2.ini");
}

// A missing file, key, or a value that is no decimal integer keeps the default.
TEST(Settings, LoadReadsTheFourKeysOrKeepsTheDefaults) {
    const Settings defaults = make(1, 2, 0, "/start");
    const struct {
        const char* name;
        const char* text; // nullptr: no file
        Settings expected;
    } rows[] = {
        {"missing file", nullptr, defaults},
        {"not decimal integers", "[Window]\r\nTop=x\r\nLeft=12abc\r\n[General]\r\nLastTab=\r\n",
         defaults},
        {"negative values",
         "[Window]\r\nTop=-20\r\nLeft=300\r\n[General]\r\nLastTab=2\r\nLastDir=/data/missions\r\n",
         make(-20, 300, 2, "/data/missions")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        if (row.text)
            testfiles::writeFile(dir.filePath("dorva.ini").toStdString(), row.text);
        EXPECT_EQ(fields(dorva::loadSettings(dir.filePath("dorva.ini"), defaults)),
                  fields(row.expected));
    }
}

TEST(Settings, SaveWritesTheFourKeysAndKeepsOtherContent) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dorva.ini");
    testfiles::writeFile(path.toStdString(), "[Other]\nKeep=yes\n[Window]\nTop=5\n");
    const Settings s = make(77, -3, 1, "/data/ミッション");
    ASSERT_TRUE(dorva::saveSettings(path, s));

    const std::string text = testfiles::readFile(path.toStdString());
    for (const char* line : {"[Other]", "Keep=yes", "Top=77", "Left=-3", "LastTab=1"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(text.find("Top=5"), std::string::npos) << text;
    EXPECT_EQ(fields(dorva::loadSettings(path, Settings{})), fields(s));
}

// Any folder name reads back exactly, and none can start a line of its own. Ordinary ones are
// stored as they are.
TEST(Settings, AnyFolderNameReadsBackAndNoneStartsALine) {
    const struct {
        QByteArray dir;
        const char* line;
    } rows[] = {
        {"/data/my games/ミッション", "LastDir=/data/my games/ミッション"},
        {"/a=b/[Window]/c\\d", "LastDir=/a=b/[Window]/c\\d"},
        {"/data/x ", "LastDir=\"/data/x \""},
        {"\t/x", "LastDir=\"\\t/x\""},
        {"/a\r\n[Window]\nTop=5000", "LastDir=\"/a\\r\\n[Window]\\nTop=5000\""},
        {"\"/q\\\"", "LastDir=\"\\\"/q\\\\\\\"\""},
        {"/\x83\x65\x83\x58\x83\x67/ゲーム\x7f", "LastDir=\"/\\x83e\\x83X\\x83g/ゲーム\\x7F\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        QTemporaryDir dir;
        const QString path = dir.filePath("dorva.ini");
        ASSERT_TRUE(dorva::saveSettings(path, make(5, 6, 2, row.dir.constData())));
        const QList<QByteArray> lines =
            QByteArray::fromStdString(testfiles::readFile(path.toStdString())).split('\n');
        EXPECT_TRUE(lines.contains(row.line));
        EXPECT_EQ(lines.count("Top=5"), 1);
        EXPECT_EQ(lines.count("[Window]"), 1);
        EXPECT_EQ(dorva::loadSettings(path, Settings{}).lastDir, row.dir);
    }
}

// A settings file that is a FIFO or a device is neither read (it could block or never end)
// nor replaced.
TEST(Settings, SpecialFilesAreNeitherReadNorReplaced) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath("zero.ini");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    const Settings defaults = make(1, 2, 0, "/start");
    for (const QString& path : {fifo, zero}) {
        EXPECT_EQ(fields(dorva::loadSettings(path, defaults)), fields(defaults));
        EXPECT_FALSE(dorva::saveSettings(path, defaults));
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_EQ(QFileInfo(zero).symLinkTarget(), "/dev/zero");
}

TEST(SettingsPath, BesideTheProgramWhenPossibleElseInTheConfigFolder) {
    TempFolder temp;
    const QString config = temp.path("config");
    temp.file("kept/dorva.ini");
    temp.folder("free");
    EXPECT_EQ(dorva::settingsLocation(temp.path("kept/dorva"), config),
              temp.path("kept/dorva.ini"));
    EXPECT_EQ(dorva::settingsLocation(temp.path("free/dorva"), config),
              temp.path("free/dorva.ini"));
    EXPECT_EQ(dorva::settingsLocation(temp.path("gone/dorva"), config), config + "/dorva.ini");

    temp.file("work/shortcut.ini");
    EXPECT_EQ(dorva::shortcutListLocation(bytesOf(temp.path("work")), config),
              bytesOf(temp.path("work/shortcut.ini")));
    for (const QByteArray& working : {bytesOf(temp.path("free")), QByteArray()})
        EXPECT_EQ(dorva::shortcutListLocation(working, config), bytesOf(config + "/shortcut.ini"));

    // The config folder is made when the settings are first written.
    EXPECT_TRUE(dorva::saveSettings(config + "/dorva.ini", Settings{}));
    EXPECT_TRUE(QFileInfo(config + "/dorva.ini").isFile());
}

// Newest first, once each, at most ten; any path reads back in order and a shorter list leaves
// no older key behind. A file of an older version, without the section, or with keys missing in
// between still loads.
TEST(Settings, RecentFilesReadBackInOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dorva.ini");
    Settings s;
    for (const char* file :
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", " /a b\n", "/\x83\"", "3"})
        s.recentFiles = dorva::withRecentFile(s.recentFiles, file);
    EXPECT_EQ(s.recentFiles.join(','), "3,/\x83\", /a b\n,9,8,7,6,5,4,2");
    for (const QByteArrayList& files :
         {s.recentFiles, dorva::withoutRecentFile({"3", "/c"}, "3"), QByteArrayList()}) {
        s.recentFiles = files;
        ASSERT_TRUE(dorva::saveSettings(path, s));
        EXPECT_EQ(dorva::loadSettings(path, Settings{}).recentFiles, files);
    }
    EXPECT_EQ(testfiles::readFile(path.toStdString()).find("Recent"), std::string::npos);
    for (const auto& [text, files] :
         {std::pair<const char*, QByteArrayList>{"[Window]\nTop=1\n", {}},
          {"[Recent]\nFile3=/b\nFile1=/a\nFile11=/c\n", {"/a", "/b"}}}) {
        testfiles::writeFile(path.toStdString(), text);
        EXPECT_EQ(dorva::loadSettings(path, Settings{}).recentFiles, files);
    }
}
