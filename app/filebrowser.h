#pragma once

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

    // Applies a shortcut entry as a path: folder, folder and mask, or folder and file, which is
    // then selected. Changes nothing when it throws Error.
    void applyShortcut(const QString& entry);
    // Selects the named file of the file list, as a user's click would; false if not listed.
    bool selectFile(const QString& fileName);
    // The full path of the selected file, empty when none is selected.
    QString selectedPath() const;
    // The file names the list shows, in order.
    QStringList files() const;

    QSize sizeHint() const override;

signals:
    void fileSelected(const QString& path, const QString& mask);

private:
    void rebuildFileList(const QStringList& all);
    void rebuildFolderList(QStringList subfolders);
    void fileSelectionChanged();
    void folderActivated(const QModelIndex& index);
    void shortcutChosen(int index);
    QString pathOf(const QString& fileName) const;

    Dialogs& dialogs_;
    QString folder_;
    QString mask_;
    QString selectedFile_;
    bool listed_ = false;
    QComboBox* shortcutCombo_;
    QListView* fileList_;
    QStringListModel* fileModel_;
    QSplitter* splitter_;
    QListWidget* folderList_;
};

} // namespace dorva
