#pragma once

#include <QString>

// Each function renders its windows to PNG files in dir.
void shootMainWindow(const QString& dir); // the main window's pages, briefing dialog, version box
void shootColorButtons(const QString& dir);
void shootPages(const QString& dir);     // each page filled from a sample file
void shootBrowser(const QString& dir);   // the file browser panel with a sample folder
