#include "browser/shortcutpath.h"

#include "browser/filemask.h"
#include "browser/localpath.h"
#include "formats/error.h"

#include <cerrno>
#include <sys/stat.h>

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

std::string messageFolderDenied(const std::string& path) {
    return "フォルダ " + path + " にアクセスできません";
}

ShortcutTarget resolveShortcut(const QString& entry, const QByteArray& currentFolder,
                               const QByteArray& homeFolder) {
    QString path = entry;
    path.replace(u'\\', u'/');
    if (hasControlCharacter(path))
        throw Error(messageInvalidName());
    QByteArray base = currentFolder;
    if (path == u"~" || path.startsWith(u"~/")) {
        base = homeFolder;
        path = path.mid(2);
    }

    const qsizetype slash = path.lastIndexOf(u'/');
    const QString last = path.mid(slash + 1);
    const QString folderText = slash < 0    ? QString()
                               : slash == 0 ? QStringLiteral("/")
                                            : path.left(slash);
    if (hasWildcard(folderText))
        throw Error(messageInvalidName());
    const QByteArray folder = localPath(folderText, base);
    struct stat info {};
    if (stat(folder.constData(), &info) != 0)
        throw Error(errno == EACCES ? messageFolderDenied(shownPath(folder).toStdString())
                                    : messageFolderNotFound());
    if (!S_ISDIR(info.st_mode))
        throw Error(messageFolderNotFound());

    ShortcutTarget target;
    target.folder = folder;
    if (last.isEmpty())
        return target;
    if (hasWildcard(last)) {
        target.mask = last;
        return target;
    }
    const QByteArray named = localPath(last, folder);
    if (isFolder(named)) {
        target.folder = named;
        return target;
    }
    if (stat(named.constData(), &info) == 0) {
        // Only normal files appear in the file list; a hidden file or a device cannot be selected.
        if (!S_ISREG(info.st_mode) || last.startsWith(u'.'))
            throw Error(messageInvalidFileName(entry.toStdString()));
        target.file = named.mid(named.lastIndexOf('/') + 1);
        return target;
    }
    if (looksLikeFileName(last))
        throw Error(messageInvalidFileName(entry.toStdString()));
    throw Error(messageFolderNotFound());
}

} // namespace dorva
