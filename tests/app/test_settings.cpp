#include "app/settings.h"

#include "testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
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
