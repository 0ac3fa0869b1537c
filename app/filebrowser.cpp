#include "app/filebrowser.h"

#include "app/filemask.h"
#include "app/folderlisting.h"
#include "app/shortcutlist.h"
#include "app/shortcutpath.h"
#include "controls/dialogs.h"
#include "formats/error.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QSplitter>
#include <QStringListModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace dorva {

namespace {

constexpr int fileItemHeight = 12;
constexpr int folderItemHeight = 16;
constexpr int folderIndent = 8;
constexpr int pathRole = Qt::UserRole;
constexpr int levelRole = Qt::UserRole + 1;

// Gives every row of a list the same height; with an indent it also shifts each row right by
// its level, so the folder list reads as a tree.
class RowDelegate : public QStyledItemDelegate {
public:
    RowDelegate(int height, int indent, QObject* parent)
        : QStyledItemDelegate(parent), height_(height), indent_(indent) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(height_);
        size.rwidth() += indent_ * index.data(levelRole).toInt();
        return size;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + indent_ * index.data(levelRole).toInt());
        QStyledItemDelegate::paint(painter, shifted, index);
    }

private:
    int height_;
    int indent_;
};

QWidget* panel(const char* name, QWidget* child) {
    auto* widget = new QWidget;
    widget->setObjectName(name);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(child);
    return widget;
}

// Names sorted as the user reads them: letter case ignored, ties broken by exact order.
void sortNames(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

QString joinPath(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

FileBrowser::FileBrowser(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), folder_(QDir::currentPath()),
      mask_(QStringLiteral("*.atr;*.mis")) {
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

void FileBrowser::loadShortcuts(const QString& path) {
    const QString text = shortcutCombo_->currentText();
    shortcutCombo_->clear();
    shortcutCombo_->addItems(readShortcutFile(path));
    // Adding items picks the first one; the edit field keeps its own text until the user chooses.
    shortcutCombo_->setCurrentIndex(-1);
    shortcutCombo_->setEditText(text);
}

void FileBrowser::setFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (folder.isEmpty() || !QFileInfo(path).isDir() || !QDir::setCurrent(path))
        throw Error(messageFolderNotFound());
    folder_ = path;
    listed_ = true;
    const FolderListing listing = listFolder(folder_);
    rebuildFileList(listing.files);
    rebuildFolderList(listing.folders);
}

QString FileBrowser::folder() const {
    return folder_;
}

void FileBrowser::setMask(const QString& mask) {
    mask_ = mask;
    // Until a folder is set the lists stay empty, so start-up lists its folder only once.
    if (listed_)
        rebuildFileList(listFolder(folder_).files);
}

QString FileBrowser::mask() const {
    return mask_;
}

void FileBrowser::setShortcutText(const QString& text) {
    shortcutCombo_->setEditText(text);
}

void FileBrowser::applyShortcut(const QString& entry) {
    if (entry.isEmpty() || entry == selectedPath())
        return;
    const ShortcutTarget target = resolveShortcut(entry, folder_, QDir::homePath());
    if (!target.file.isEmpty()) {
        if (joinPath(target.folder, target.file) == selectedPath())
            return;
        // The file's own name becomes the mask when the current one hides it; a name that not
        // even that mask takes cannot be selected, so fail before anything moves.
        if (!matchesFileMask(target.file, target.file))
            throw Error(messageInvalidFileName(entry.toStdString()));
    }
    setFolder(target.folder);
    if (!target.mask.isEmpty())
        setMask(target.mask);
    if (!target.file.isEmpty()) {
        if (!fileModel_->stringList().contains(target.file))
            setMask(target.file);
        selectFile(target.file);
    }
}

bool FileBrowser::selectFile(const QString& fileName) {
    const int row = static_cast<int>(fileModel_->stringList().indexOf(fileName));
    if (row < 0)
        return false;
    const QModelIndex index = fileModel_->index(row);
    fileList_->setCurrentIndex(index);
    fileList_->scrollTo(index);
    return true;
}

QString FileBrowser::selectedPath() const {
    return selectedFile_.isEmpty() ? QString() : pathOf(selectedFile_);
}

QStringList FileBrowser::files() const {
    return fileModel_->stringList();
}

void FileBrowser::rebuildFileList(const QStringList& all) {
    const FileMask mask = parseFileMask(mask_);
    QStringList names;
    for (const QString& name : all) {
        if (matchesFileMask(mask, name))
            names << name;
    }
    sortNames(names);
    selectedFile_.clear();
    fileModel_->setStringList(names);
    fileList_->clearSelection();
}

void FileBrowser::rebuildFolderList(QStringList subfolders) {
    folderList_->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [&](const QString& text, const QString& path, int level, const QIcon& icon) {
        auto* item = new QListWidgetItem(icon, text, folderList_);
        item->setData(pathRole, path);
        item->setData(levelRole, level);
        item->setToolTip(path);
    };

    // The current folder's path from the root down, then its subfolders one level deeper.
    add(QStringLiteral("/"), QStringLiteral("/"), 0, openIcon);
    const QStringList parts = folder_.split(u'/', Qt::SkipEmptyParts);
    QString path;
    for (int i = 0; i < parts.size(); ++i) {
        path += u'/' + parts[i];
        add(parts[i], path, i + 1, openIcon);
    }
    folderList_->setCurrentRow(folderList_->count() - 1);

    sortNames(subfolders);
    const int level = static_cast<int>(parts.size()) + 1;
    for (const QString& name : subfolders)
        add(name, joinPath(folder_, name), level, closedIcon);
}

void FileBrowser::fileSelectionChanged() {
    const QModelIndexList rows = fileList_->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        selectedFile_.clear();
        return;
    }
    const QString name = rows.first().data().toString();
    if (name == selectedFile_)
        return;
    selectedFile_ = name;
    emit fileSelected(pathOf(name), mask_);
}

void FileBrowser::folderActivated(const QModelIndex& index) {
    try {
        setFolder(index.data(pathRole).toString());
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

QString FileBrowser::pathOf(const QString& fileName) const {
    return joinPath(folder_, fileName);
}

} // namespace dorva
