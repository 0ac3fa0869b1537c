#include "app/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using dorva::Settings;

namespace {

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Settings someDefaults() {
    Settings defaults;
    defaults.top = 1;
    defaults.left = 2;
    defaults.lastTab = 0;
    defaults.lastDir = "/start";
    return defaults;
}

} // namespace

TEST(SettingsPath, ReplacesTheExtensionOfTheExecutable) {
    EXPECT_EQ(dorva::settingsPathFor("/opt/dorva/dorva"), "/opt/dorva/dorva.ini");
    EXPECT_EQ(dorva::settingsPathFor("/opt/dorva/editor.exe"), "/opt/dorva/editor.ini");
    EXPECT_EQ(dorva::settingsPathFor("/opt/my.tools/editor.v2.bin"), "/opt/my.tools/editor.v2.ini");
}

TEST(Settings, MissingFileGivesTheDefaults) {
    QTemporaryDir dir;
    const Settings s = dorva::loadSettings(dir.filePath("none.ini"), someDefaults());
    EXPECT_EQ(s.top, 1);
    EXPECT_EQ(s.left, 2);
    EXPECT_EQ(s.lastTab, 0);
    EXPECT_EQ(s.lastDir, "/start");
}

TEST(Settings, ValuesThatAreNotDecimalIntegersKeepTheDefault) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dorva.ini");
    writeText(path, "[Window]\r\nTop=x\r\nLeft=12abc\r\n[General]\r\nLastTab=\r\n");
    const Settings s = dorva::loadSettings(path, someDefaults());
    EXPECT_EQ(s.top, 1);
    EXPECT_EQ(s.left, 2);
    EXPECT_EQ(s.lastTab, 0);
    EXPECT_EQ(s.lastDir, "/start");
}

TEST(Settings, ReadsWindowsStyleFileWithNegativeValues) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dorva.ini");
    writeText(path, "[Window]\r\nTop=-20\r\nLeft=300\r\n[General]\r\nLastTab=2\r\n"
                    "LastDir=/data/missions\r\n");
    const Settings s = dorva::loadSettings(path, someDefaults());
    EXPECT_EQ(s.top, -20);
    EXPECT_EQ(s.left, 300);
    EXPECT_EQ(s.lastTab, 2);
    EXPECT_EQ(s.lastDir, "/data/missions");
}

TEST(Settings, SaveWritesTheFourKeysAndKeepsOtherContent) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dorva.ini");
    writeText(path, "[Other]\nKeep=yes\n[Window]\nTop=5\n");
    Settings s;
    s.top = 77;
    s.left = -3;
    s.lastTab = 1;
    s.lastDir = QString::fromUtf8("/data/ミッション");
    ASSERT_TRUE(dorva::saveSettings(path, s));

    const QByteArray text = readText(path);
    EXPECT_TRUE(text.contains("[Other]")) << text.constData();
    EXPECT_TRUE(text.contains("Keep=yes")) << text.constData();
    EXPECT_TRUE(text.contains("Top=77")) << text.constData();
    EXPECT_TRUE(text.contains("Left=-3")) << text.constData();
    EXPECT_TRUE(text.contains("LastTab=1")) << text.constData();
    EXPECT_FALSE(text.contains("Top=5")) << text.constData();

    const Settings back = dorva::loadSettings(path, someDefaults());
    EXPECT_EQ(back.top, 77);
    EXPECT_EQ(back.left, -3);
    EXPECT_EQ(back.lastTab, 1);
    EXPECT_EQ(back.lastDir, s.lastDir);
}

TEST(Settings, SaveIntoMissingFolderFails) {
    QTemporaryDir dir;
    EXPECT_FALSE(dorva::saveSettings(dir.filePath("gone/dorva.ini"), Settings{}));
}
