#pragma once

#include "app/mainwindow.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace dorva {

class Dialogs;

// The editor as the program starts it: the application's name and interface font, and the
// main window with its settings file and shortcut list where settingsLocation and
// shortcutListLocation find them, and the working folder as start folder. Call after the
// QApplication exists.
std::unique_ptr<MainWindow> createEditor(Dialogs& dialogs);

// The user's configuration folder of the program: $XDG_CONFIG_HOME/dorva.
QString configFolder();

// The settings file beside the executable (settingsPathFor) when it exists or its folder may
// be written, as on the game's home platform; otherwise "dorva.ini" in configFolder, as an
// installed program must.
QString settingsLocation(const QString& executablePath, const QString& configFolder);

// "shortcut.ini" in the working folder when it is there, otherwise in configFolder.
QByteArray shortcutListLocation(const QByteArray& workingFolder, const QString& configFolder);

} // namespace dorva
