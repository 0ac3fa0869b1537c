#pragma once

#include <functional>

class QAction;
class QMainWindow;

namespace dorva {

class RecentFilesMenu;

// What the menu's items run.
struct MenuCommands {
    std::function<void()> open;
    std::function<void()> save;
    std::function<void()> saveAs;
    std::function<void()> changes;
    std::function<void()> exit;
    std::function<void()> undo;
    std::function<void()> redo;
    std::function<void()> showList;
    std::function<void()> versionInfo;
};

// The items whose state the window sets.
struct MainMenu {
    QAction* save = nullptr;   // N2
    QAction* saveAs = nullptr; // N3
    QAction* changes = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* showList = nullptr; // N5
    RecentFilesMenu* recent = nullptr;
};

// Builds "File(&F)", "Edit(&E)", "Option(&O)" and "Help(&H)" in the window's menu bar, and the
// window's keyboard actions. The items carry the actions' keys, so a disabled item's key does
// nothing.
MainMenu buildMainMenu(QMainWindow* window, const MenuCommands& commands);

} // namespace dorva
