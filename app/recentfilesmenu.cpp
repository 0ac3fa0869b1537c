#include "app/recentfilesmenu.h"

#include "app/recentfiles.h"
#include "formats/filename.h"

namespace dorva {

RecentFilesMenu::RecentFilesMenu(QWidget* parent)
    : QMenu(QStringLiteral("Recent Files(&R)"), parent) {
    setObjectName("RecentFiles1");
    setToolTipsVisible(true);
    rebuild();
}

void RecentFilesMenu::setFiles(const QByteArrayList& files) {
    files_ = files;
    rebuild();
}

void RecentFilesMenu::add(const QByteArray& path) {
    setFiles(withRecentFile(files_, path));
}

void RecentFilesMenu::remove(const QByteArray& path) {
    setFiles(withoutRecentFile(files_, path));
}

void RecentFilesMenu::rebuild() {
    // Choosing an item changes the list, so its items are replaced only once it has finished.
    clear();
    for (const QByteArray& path : files_) {
        const std::string bytes = path.toStdString();
        const QString name = QString::fromStdString(fileNameText(fileNameOf(bytes)));
        QAction* item = addAction(QString(name).replace('&', QStringLiteral("&&")));
        item->setToolTip(QString::fromStdString(pathText(bytes)));
        connect(
            item, &QAction::triggered, this, [this, path] { emit fileChosen(path); },
            Qt::QueuedConnection);
    }
    addSeparator();
    QAction* clearItem = addAction(QStringLiteral("Clear"));
    clearItem->setObjectName("ClearRecent1");
    connect(
        clearItem, &QAction::triggered, this, [this] { setFiles({}); }, Qt::QueuedConnection);
    menuAction()->setEnabled(!files_.isEmpty());
}

} // namespace dorva
