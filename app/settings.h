#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace dorva {

// What the program remembers between runs: the window's position, the last page and the last
// folder of the file browser.
struct Settings {
    int top = 124;
    int left = 190;
    int lastTab = 0;
    QByteArray lastDir; // as the file system's bytes; empty: none
};

// The largest settings file that is read, in bytes.
inline constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

// The settings file of an executable: its path with the extension replaced by ".ini".
QString settingsPathFor(const QString& executablePath);

// Reads the sections "Window" (Top, Left) and "General" (LastTab, LastDir) of the file at path.
// A missing file, key or a value that is not a decimal integer keeps the value of defaults; so
// does a file that is not a regular file of at most kMaxSettingsFileSize bytes.
Settings loadSettings(const QString& path, const Settings& defaults);

// Writes the four keys into the file at path, keeping everything else the file holds; an
// empty lastDir leaves that key as it is. The file is replaced in one step, and its folder is
// made when missing. Returns false when it cannot be written, and when an existing file cannot
// be read (it would lose what it holds).
bool saveSettings(const QString& path, const Settings& settings);

// A folder path as it stands after "LastDir=", and back. Ordinary paths stand as they are.
// A path that starts or ends with a space or a tab, starts with '"', holds a control
// character or a byte that is not part of UTF-8 text stands in double quotes, with \\, \",
// \t, \n, \r and \xHH (any other such byte) inside; so any path reads back exactly and none
// can break the line.
std::string folderValue(const QByteArray& path);
QByteArray folderFromValue(std::string_view value);

} // namespace dorva
