#pragma once

#include <QByteArrayList>

namespace dorva {

// The files opened last, newest first, as the file system's bytes. Clearing it is
// QByteArrayList::clear().
inline constexpr qsizetype kMaxRecentFiles = 10;

// The list with path in front: an earlier entry of it goes, and so do the oldest past
// kMaxRecentFiles.
QByteArrayList withRecentFile(QByteArrayList files, const QByteArray& path);

// The list without path, as when the file no longer opens.
QByteArrayList withoutRecentFile(QByteArrayList files, const QByteArray& path);

} // namespace dorva
