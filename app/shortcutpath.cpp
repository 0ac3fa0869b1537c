#include "app/shortcutpath.h"

#include "app/filemask.h"
#include "formats/error.h"

#include <QDir>
#include <QFileInfo>

namespace dorva {

namespace {

bool hasControlCharacter(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// A missing last component with an extension is taken for a file name, otherwise for a folder.
bool looksLikeFileName(const QString& component) {
    return component.lastIndexOf(u'.') > 0;
}

} // namespace

std::string messageFolderNotFound() {
    return "ファイルが見つかりません";
}

std::string messageInvalidName() {
    return "不正なファイル名です";
}

std::string messageInvalidFileName(const std::string& name) {
    return "不正なファイル名 - " + name;
}

ShortcutTarget resolveShortcut(const QString& entry, const QString& currentFolder,
                               const QString& homeFolder) {
    QString path = entry;
    path.replace(u'\\', u'/');
    if (hasControlCharacter(path))
        throw Error(messageInvalidName());
    if (path == u"~" || path.startsWith(u"~/"))
        path = homeFolder + path.mid(1);
    if (QDir::isRelativePath(path))
        path = currentFolder + u'/' + path;

    const qsizetype slash = path.lastIndexOf(u'/');
    const QString last = path.mid(slash + 1);
    const QString folder = QDir::cleanPath(slash > 0 ? path.left(slash) : QStringLiteral("/"));
    if (hasWildcard(folder))
        throw Error(messageInvalidName());
    if (!QFileInfo(folder).isDir())
        throw Error(messageFolderNotFound());

    ShortcutTarget target;
    target.folder = folder;
    if (last.isEmpty())
        return target;
    if (hasWildcard(last)) {
        target.mask = last;
        return target;
    }
    const QFileInfo info(folder + u'/' + last);
    if (info.isDir()) {
        target.folder = QDir::cleanPath(folder + u'/' + last);
        return target;
    }
    if (info.exists()) {
        // Only normal files appear in the file list; a hidden file or a device cannot be selected.
        if (!info.isFile() || last.startsWith(u'.'))
            throw Error(messageInvalidFileName(entry.toStdString()));
        target.file = last;
        return target;
    }
    if (looksLikeFileName(last))
        throw Error(messageInvalidFileName(entry.toStdString()));
    throw Error(messageFolderNotFound());
}

} // namespace dorva
