#pragma once

#include <QString>

// Each function renders its windows to PNG files in dir.
void shootMainWindow(const QString& dir); // the main window's pages, briefing dialog, version box
void shootColorButtons(const QString& dir);
void shootActorKitPages(const QString& dir); // the Actor and Kit pages filled from sample files
void shootMissionPage(const QString& dir);   // the Mission page filled from a sample file
void shootBrowser(const QString& dir);       // the file browser panel with a sample folder
