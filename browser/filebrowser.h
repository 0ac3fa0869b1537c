#pragma once

#include "controls/foldericons.h"
#include "document/kind.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QIcon>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QListView;
class QListWidget;
class QModelIndex;
class QSplitter;
class QStringListModel;

namespace dorva {

class Dialogs;

// The panel at the right of the main window (objectName "Panel1"): the shortcut combo box,
// the file list of the current folder filtered by a mask, a splitter and the folder list.
// A change of the file list's selection emits fileSelected with the file's full path and the
// kind whose page's mask the list has (kindFromFileMask); under any other mask, such as one a
// shortcut entry set, it emits nothing. Paths are kept as the file system's bytes, so names in
// any encoding can be listed, entered and opened; the lists show them as text (localpath.h).
class FileBrowser : public QWidget {
    Q_OBJECT
public:
    FileBrowser(Dialogs& dialogs, QWidget* parent = nullptr);

    // Reads a shortcut list file (one entry per line) into the shortcut list; a missing file
    // leaves it empty. Throws Error, leaving it empty, when the file cannot be read.
    void loadShortcuts(const QByteArray& path);
    // Moves both lists to folder and makes it the working folder. Changes nothing when it
    // throws Error: the folder is missing or may not be read.
    void setFolder(const QByteArray& folder);
    // The same for a folder as the user writes it (localpath.h), relative to the working folder.
    void setFolder(const QString& folder);
    // Empty until a folder has been set.
    QByteArray folder() const;
    // Sets the file list's mask (";"-separated patterns) and clears the selection.
    void setMask(const QString& mask);
    QString mask() const;
    // The shortcut combo box's edit text.
    void setShortcutText(const QString& text);

    // Applies a shortcut entry as a path: folder, folder and mask, or folder and file, which is
    // then selected. Changes nothing when it throws Error.
    void applyShortcut(const QString& entry);
    // Selects the file the list shows as fileName, as a user's click would; false if not listed.
    bool selectFile(const QString& fileName);
    // Selects the file at path in the list without opening it, or nothing when the list
    // does not show it.
    void showSelected(const QByteArray& path);
    // The full path of the selected file, empty when none is selected.
    QByteArray selectedPath() const;
    // The file names the list shows, in order.
    QStringList files() const;

    QSize sizeHint() const override;

signals:
    void fileSelected(const QByteArray& path, dorva::Kind kind);

private:
    void rebuildFileList(const QByteArrayList& all);
    void rebuildFolderList(const QByteArrayList& subfolders);
    bool selectRow(int row);
    void fileSelectionChanged();
    void folderActivated(const QModelIndex& index);
    void shortcutChosen(int index);

    Dialogs& dialogs_;
    QByteArray folder_;
    QString mask_;
    QByteArrayList fileNames_; // the file list's rows as bytes
    QByteArray selectedFile_;
    QComboBox* shortcutCombo_;
    QListView* fileList_;
    QStringListModel* fileModel_;
    QSplitter* splitter_;
    QListWidget* folderList_;
    const QIcon openIcon_ = openFolderIcon();
    const QIcon closedIcon_ = closedFolderIcon();
};

} // namespace dorva
