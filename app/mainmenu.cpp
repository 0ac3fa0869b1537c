#include "app/mainmenu.h"

#include "app/recentfilesmenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace dorva {

namespace {

QAction* makeAction(QObject* owner, const QString& name, const QString& caption,
                    const QKeySequence& shortcut, const std::function<void()>& command) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, owner, command);
    return action;
}

// A menu item; one that stands for a keyboard action carries its key and triggers it.
QAction* addItem(QMenu* menu, const QString& name, const QString& caption, QAction* action) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(action->shortcut());
    QObject::connect(item, &QAction::triggered, action, [action] { action->trigger(); });
    return item;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                 const std::function<void()>& command) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    QObject::connect(item, &QAction::triggered, menu, command);
    return item;
}

QMenu* addMenu(QMainWindow* window, const QString& name, const QString& caption) {
    QMenu* menu = window->menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

} // namespace

MainMenu buildMainMenu(QMainWindow* window, const MenuCommands& commands) {
    MainMenu m;
    QAction* open =
        makeAction(window, "OpenByMenu", "OpenByMenu", QKeySequence("Ctrl+O"), commands.open);
    QAction* save = makeAction(window, "SaveByMenu", "Save", QKeySequence("Ctrl+S"), commands.save);
    QAction* saveAs =
        makeAction(window, "SaveAsByMenu", "SaveAs", QKeySequence("Shift+Ctrl+S"), commands.saveAs);
    QAction* showList =
        makeAction(window, "ShowList", "ShowList", QKeySequence(Qt::Key_F12), commands.showList);

    QMenu* file = addMenu(window, "File1", "File(&F)");
    addItem(file, "Open1", "Open(&O)", open);
    file->addSeparator();
    m.save = addItem(file, "N2", "Save", save);
    m.saveAs = addItem(file, "N3", "SaveAs", saveAs);
    m.changes = addItem(file, "Changes1", "Changes(&C)...", commands.changes);
    file->addSeparator();
    m.recent = new RecentFilesMenu(file);
    file->addMenu(m.recent);
    addItem(file, "Exit1", "Exit(&X)", commands.exit);

    QMenu* edit = addMenu(window, "Edit1", "Edit(&E)");
    m.undo = addItem(edit, "Undo1", "Undo(&U)", commands.undo);
    m.undo->setShortcut(QKeySequence("Ctrl+Z"));
    m.redo = addItem(edit, "Redo1", "Redo(&R)", commands.redo);
    m.redo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});

    QMenu* option = addMenu(window, "Option1", "Option(&O)");
    m.showList = addItem(option, "N5", "ShowListView(&L)", showList);
    m.showList->setCheckable(true);
    m.showList->setChecked(true);

    QMenu* help = addMenu(window, "Help1", "Help(&H)");
    addItem(help, "VersionInfo1", "Version Info(&A)", commands.versionInfo);
    return m;
}

} // namespace dorva
