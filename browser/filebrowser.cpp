#include "browser/filebrowser.h"

#include "browser/filemask.h"
#include "browser/folderlisting.h"
#include "browser/localpath.h"
#include "browser/nameorder.h"
#include "browser/rowdelegate.h"
#include "browser/shortcutlist.h"
#include "browser/shortcutpath.h"
#include "controls/dialogs.h"
#include "formats/error.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QScopeGuard>
#include <QSplitter>
#include <QStringListModel>
#include <QVBoxLayout>
#include <unistd.h>
#include <vector>

namespace dorva {

namespace {

constexpr int fileItemHeight = 12;
constexpr int folderItemHeight = 16;
constexpr int folderIndent = 8;
constexpr int pathRole = Qt::UserRole;
constexpr int levelRole = RowDelegate::levelRole;

QWidget* panel(const char* name, QWidget* child) {
    auto* widget = new QWidget;
    widget->setObjectName(name);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(child);
    return widget;
}

std::vector<ListedName> shownNames(const QByteArrayList& names) {
    std::vector<ListedName> shown;
    shown.reserve(static_cast<std::size_t>(names.size()));
    for (const QByteArray& name : names)
        shown.push_back({shownName(name), name});
    return shown;
}

} // namespace

FileBrowser::FileBrowser(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), mask_(QStringLiteral("*.atr;*.mis")) {
    setObjectName("Panel1");

    shortcutCombo_ = new QComboBox;
    shortcutCombo_->setObjectName("ShortCutCombo");
    shortcutCombo_->setEditable(true);
    // Typing must never choose an entry; only the drop-down list and the arrow keys do. The
    // combo box would otherwise pick the entry equal to the typed text when editing ends.
    shortcutCombo_->setInsertPolicy(QComboBox::NoInsert);
    shortcutCombo_->setCompleter(nullptr);
    QLineEdit* edit = shortcutCombo_->lineEdit();
    disconnect(edit, &QLineEdit::editingFinished, shortcutCombo_, nullptr);
    disconnect(edit, &QLineEdit::returnPressed, shortcutCombo_, nullptr);
    shortcutCombo_->setFixedHeight(20);
    // The panel keeps its width whatever the entries: long ones are cut short in the middle,
    // and their tooltips show them whole.
    shortcutCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    shortcutCombo_->setMinimumContentsLength(1);
    shortcutCombo_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    shortcutCombo_->view()->setTextElideMode(Qt::ElideMiddle);
    shortcutCombo_->setEditText(QStringLiteral("Short Cut"));
    auto* shortcutPanel = panel("Panel4", shortcutCombo_);
    shortcutPanel->layout()->setContentsMargins(1, 0, 1, 0);

    fileModel_ = new QStringListModel(this);
    fileList_ = new QListView;
    fileList_->setObjectName("FileListBox1");
    fileList_->setModel(fileModel_);
    fileList_->setUniformItemSizes(true);
    fileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList_->setItemDelegate(new RowDelegate(fileItemHeight, 0, fileList_));

    folderList_ = new QListWidget;
    folderList_->setObjectName("DirectoryListBox1");
    folderList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    folderList_->setIconSize(QSize(folderItemHeight, folderItemHeight));
    folderList_->setItemDelegate(new RowDelegate(folderItemHeight, folderIndent, folderList_));

    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->setObjectName("Splitter1");
    splitter_->setHandleWidth(2);
    splitter_->setOpaqueResize(true);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(panel("Panel2", fileList_));
    splitter_->addWidget(panel("Panel3", folderList_));
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({356, 62});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(shortcutPanel);
    layout->addWidget(splitter_, 1);

    connect(fileList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileBrowser::fileSelectionChanged);
    connect(folderList_, &QListWidget::activated, this, &FileBrowser::folderActivated);
    connect(shortcutCombo_, &QComboBox::activated, this, &FileBrowser::shortcutChosen);
}

QSize FileBrowser::sizeHint() const {
    return QSize(139, 442);
}

void FileBrowser::loadShortcuts(const QByteArray& path) {
    const QString text = shortcutCombo_->currentText();
    shortcutCombo_->clear();
    // Adding items picks the first one; the edit field keeps its own text until the user chooses.
    const auto keepText = qScopeGuard([&] {
        shortcutCombo_->setCurrentIndex(-1);
        shortcutCombo_->setEditText(text);
    });
    const QStringList entries = readShortcutFile(path);
    shortcutCombo_->addItems(entries);
    for (int i = 0; i < entries.size(); ++i)
        shortcutCombo_->setItemData(i, entries[i], Qt::ToolTipRole);
}

void FileBrowser::setFolder(const QByteArray& folder) {
    if (folder.isEmpty())
        throw Error(messageFolderNotFound());
    const QByteArray path = cleanPath(folder);
    // Listed first and entered last, so that a folder that cannot be read changes nothing.
    const FolderListing listing = listFolder(path);
    if (chdir(path.constData()) != 0)
        throw Error(messageFolderDenied(shownPath(path).toStdString()));
    folder_ = path;
    rebuildFileList(listing.files);
    rebuildFolderList(listing.folders);
}

void FileBrowser::setFolder(const QString& folder) {
    if (folder.isEmpty())
        throw Error(messageFolderNotFound());
    setFolder(localPath(folder, currentFolder()));
}

QByteArray FileBrowser::folder() const {
    return folder_;
}

void FileBrowser::setMask(const QString& mask) {
    mask_ = mask;
    // Until a folder is set the lists stay empty, so start-up lists its folder only once. A
    // folder that can no longer be read lists no files.
    if (folder_.isEmpty())
        return;
    FolderListing listing;
    try {
        listing = listFolder(folder_);
    } catch (const Error&) {
    }
    rebuildFileList(listing.files);
}

QString FileBrowser::mask() const {
    return mask_;
}

void FileBrowser::setShortcutText(const QString& text) {
    shortcutCombo_->setEditText(text);
    shortcutCombo_->setToolTip(text);
}

void FileBrowser::applyShortcut(const QString& entry) {
    if (entry.isEmpty() || entry == shownPath(selectedPath()))
        return;
    const ShortcutTarget target = resolveShortcut(entry, folder_, homeFolder());
    if (!target.file.isEmpty()) {
        if (joinPath(target.folder, target.file) == selectedPath())
            return;
        // The file's own name becomes the mask when the current one hides it; a name that not
        // even that mask takes cannot be selected, so fail before anything moves.
        const QString shown = shownName(target.file);
        if (!matchesFileMask(shown, shown))
            throw Error(messageInvalidFileName(entry.toStdString()));
    }
    setFolder(target.folder);
    if (!target.mask.isEmpty())
        setMask(target.mask);
    if (!target.file.isEmpty()) {
        if (!fileNames_.contains(target.file))
            setMask(shownName(target.file));
        selectRow(static_cast<int>(fileNames_.indexOf(target.file)));
    }
}

bool FileBrowser::selectFile(const QString& fileName) {
    return selectRow(static_cast<int>(fileModel_->stringList().indexOf(fileName)));
}

bool FileBrowser::selectRow(int row) {
    if (row < 0)
        return false;
    const QModelIndex index = fileModel_->index(row);
    fileList_->setCurrentIndex(index);
    fileList_->scrollTo(index);
    return true;
}

void FileBrowser::showSelected(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    const int row = slash >= 0 && path.left(slash == 0 ? 1 : slash) == folder_
                        ? static_cast<int>(fileNames_.indexOf(name))
                        : -1;
    // Taken as the selected file first, so that the change of selection opens nothing.
    selectedFile_ = row >= 0 ? name : QByteArray();
    if (row < 0) {
        fileList_->clearSelection();
        fileList_->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = fileModel_->index(row);
    fileList_->setCurrentIndex(index);
    fileList_->scrollTo(index);
}

QByteArray FileBrowser::selectedPath() const {
    return selectedFile_.isEmpty() ? QByteArray() : joinPath(folder_, selectedFile_);
}

QStringList FileBrowser::files() const {
    return fileModel_->stringList();
}

void FileBrowser::rebuildFileList(const QByteArrayList& all) {
    const FileMask mask = parseFileMask(mask_);
    std::vector<ListedName> names;
    for (ListedName& name : shownNames(all)) {
        if (matchesFileMask(mask, name.text))
            names.push_back(std::move(name));
    }
    sortListedNames(names);
    QStringList texts;
    fileNames_.clear();
    for (const ListedName& name : names) {
        texts << name.text;
        fileNames_ << name.bytes;
    }
    selectedFile_.clear();
    fileModel_->setStringList(texts);
    fileList_->clearSelection();
}

void FileBrowser::rebuildFolderList(const QByteArrayList& subfolders) {
    folderList_->clear();
    auto add = [&](const QString& text, const QByteArray& path, int level, const QIcon& icon) {
        auto* item = new QListWidgetItem(icon, text, folderList_);
        item->setData(pathRole, path);
        item->setData(levelRole, level);
        item->setToolTip(shownPath(path));
    };

    // The current folder's path from the root down, then its subfolders one level deeper.
    add(QStringLiteral("/"), QByteArray("/"), 0, openIcon_);
    const QByteArrayList parts = folder_.split('/');
    QByteArray path;
    int level = 0;
    for (const QByteArray& part : parts) {
        if (part.isEmpty())
            continue;
        path += '/' + part;
        add(shownName(part), path, ++level, openIcon_);
    }
    folderList_->setCurrentRow(folderList_->count() - 1);

    std::vector<ListedName> names = shownNames(subfolders);
    sortListedNames(names);
    for (const ListedName& name : names)
        add(name.text, joinPath(folder_, name.bytes), level + 1, closedIcon_);
}

void FileBrowser::fileSelectionChanged() {
    const QModelIndexList rows = fileList_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        selectedFile_.clear();
        return;
    }
    const QByteArray name = fileNames_.value(rows.first().row());
    if (name == selectedFile_)
        return;
    selectedFile_ = name;
    if (const std::optional<Kind> kind = kindFromFileMask(mask_.toStdString()))
        emit fileSelected(joinPath(folder_, name), *kind);
}

void FileBrowser::folderActivated(const QModelIndex& index) {
    try {
        setFolder(index.data(pathRole).toByteArray());
    } catch (const Error& e) {
        dialogs_.showError(this, QString::fromUtf8(e.what()));
    }
}

void FileBrowser::shortcutChosen(int index) {
    try {
        applyShortcut(shortcutCombo_->itemText(index));
    } catch (const Error& e) {
        dialogs_.showError(this, QString::fromUtf8(e.what()));
    }
}

} // namespace dorva
