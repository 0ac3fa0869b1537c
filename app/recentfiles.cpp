#include "app/recentfiles.h"

namespace dorva {

QByteArrayList withRecentFile(QByteArrayList files, const QByteArray& path) {
    files.removeAll(path);
    files.prepend(path);
    if (files.size() > kMaxRecentFiles)
        files.resize(kMaxRecentFiles);
    return files;
}

QByteArrayList withoutRecentFile(QByteArrayList files, const QByteArray& path) {
    files.removeAll(path);
    return files;
}

} // namespace dorva
