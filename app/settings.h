#pragma once

#include <QString>

namespace dorva {

// What the program remembers between runs: the window's position, the last page and the last
// folder of the file browser.
struct Settings {
    int top = 124;
    int left = 190;
    int lastTab = 0;
    QString lastDir;
};

// The settings file of an executable: its path with the extension replaced by ".ini".
QString settingsPathFor(const QString& executablePath);

// Reads the sections "Window" (Top, Left) and "General" (LastTab, LastDir) of the file at path.
// A missing file, key or a value that is not a decimal integer keeps the value of defaults.
Settings loadSettings(const QString& path, const Settings& defaults);

// Writes the four keys into the file at path, keeping everything else the file holds. The file
// is replaced in one step. Returns false when it cannot be written.
bool saveSettings(const QString& path, const Settings& settings);

} // namespace dorva
