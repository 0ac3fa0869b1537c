#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace dorva {

// What the program remembers between runs: the window's position, the last page, the last
// folder of the file browser and the files opened last.
struct Settings {
    int top = 124;
    int left = 190;
    int lastTab = 0;
    QByteArray lastDir;         // as the file system's bytes; empty: none
    QByteArrayList recentFiles; // as the file system's bytes, newest first (app/recentfiles.h)
};

// The largest settings file that is read, in bytes.
inline constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

// The settings file of an executable: its path with the extension replaced by ".ini".
QString settingsPathFor(const QString& executablePath);

// Reads the sections "Window" (Top, Left) and "General" (LastTab, LastDir) of the file at path.
// A missing file, key or a value that is not a decimal integer keeps the value of defaults; so
// does a file that is not a regular file of at most kMaxSettingsFileSize bytes. The recent
// files are the values of File1 to File10 of the section "Recent" (none when it is missing),
// in that order, keys missing in between skipped.
Settings loadSettings(const QString& path, const Settings& defaults);

// Writes the four keys and the recent files (File1 onwards, the rest of the ten removed) into
// the file at path, keeping everything else the file holds; an empty lastDir leaves that key
// as it is. The file is replaced in one step, and its folder is made when missing. Returns
// false when it cannot be written, and when an existing file cannot be read (it would lose
// what it holds).
bool saveSettings(const QString& path, const Settings& settings);

// A path as it stands after "LastDir=" or "File1=", and back. Ordinary paths stand as they are.
// A path that starts or ends with a space or a tab, starts with '"', holds a control
// character or a byte that is not part of UTF-8 text stands in double quotes, with \\, \",
// \t, \n, \r and \xHH (any other such byte) inside; so any path reads back exactly and none
// can break the line.
std::string folderValue(const QByteArray& path);
QByteArray folderFromValue(std::string_view value);

} // namespace dorva
