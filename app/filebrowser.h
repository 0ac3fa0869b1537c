#pragma once

#include <QString>
#include <QWidget>

namespace dorva {

class Dialogs;

// The panel at the right of the main window (objectName "Panel1"): the shortcut combo box,
// the file list of the current folder filtered by a mask, a splitter and the folder list.
// A change of the file list's selection emits fileSelected with the file's full path and the
// list's mask; the shell decides which page opens it.
class FileBrowser : public QWidget {
    Q_OBJECT
public:
    FileBrowser(Dialogs& dialogs, QWidget* parent = nullptr);

    // Reads "shortcut.ini" (one entry per line) into the shortcut list, if the file exists.
    void loadShortcuts(const QString& path);
    // Moves both lists to folder and makes it the working folder. Throws Error.
    void setFolder(const QString& folder);
    QString folder() const;
    // Sets the file list's mask (";"-separated patterns) and clears the selection.
    void setMask(const QString& mask);
    QString mask() const;
    // The shortcut combo box's edit text.
    void setShortcutText(const QString& text);

signals:
    void fileSelected(const QString& path, const QString& mask);

private:
    Dialogs& dialogs_;
    QString folder_;
    QString mask_;
};

} // namespace dorva
