#include "app/filebrowser.h"

#include <QDir>

namespace dorva {

FileBrowser::FileBrowser(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
    setObjectName("Panel1");
}

void FileBrowser::loadShortcuts(const QString&) {}

void FileBrowser::setFolder(const QString& folder) {
    folder_ = QDir(folder).absolutePath();
    QDir::setCurrent(folder_);
}

QString FileBrowser::folder() const { return folder_; }
void FileBrowser::setMask(const QString& mask) { mask_ = mask; }
QString FileBrowser::mask() const { return mask_; }
void FileBrowser::setShortcutText(const QString&) {}

} // namespace dorva
