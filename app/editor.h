#pragma once

#include "app/mainwindow.h"

#include <memory>

namespace dorva {

class Dialogs;

// The editor as the program starts it: the application's name and interface font, and the
// main window with its settings file beside the executable and the working folder as start
// folder. Call after the QApplication exists.
std::unique_ptr<MainWindow> createEditor(Dialogs& dialogs);

} // namespace dorva
