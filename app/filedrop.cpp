#include "app/filedrop.h"

#include "document/kind.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace dorva {

bool takeFileDrop(QEvent* event, QStringList* paths) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls())
        return false;
    QStringList files;
    for (const QUrl& url : drop->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (!url.isLocalFile() || !kindFromExtension(path.toStdString())) {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
            return true;
        }
        files << path;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop)
        *paths = files;
    return true;
}

} // namespace dorva
