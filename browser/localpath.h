#pragma once

#include <QByteArray>
#include <QString>

namespace dorva {

// Paths as the file system holds them (bytes) and as the user sees them (text). Qt's own
// conversion, QFile::encodeName and decodeName, loses names that are not UTF-8, so every path
// that reaches the file system is kept as bytes; formats/filename.h says how names show.

QString shownName(const QByteArray& name);
QString shownPath(const QByteArray& path);

// The bytes of the path that text names: absolute, or relative to base; "." and ".." are taken
// by name, as QDir::cleanPath does. Each name takes the byte form that exists in its folder
// (UTF-8 first, then code page 932), or its UTF-8 form when none does.
QByteArray localPath(const QString& text, const QByteArray& base);

// path made absolute against the working folder, with "." and ".." taken by name and no
// doubled "/".
QByteArray cleanPath(const QByteArray& path);

// The working folder, or empty when it cannot be told (it was deleted).
QByteArray currentFolder();
// The user's home folder.
QByteArray homeFolder();

bool isFolder(const QByteArray& path);
bool isRegularFile(const QByteArray& path);
// True when path names anything, a dangling link included.
bool pathExists(const QByteArray& path);

// folder + "/" + name, with no doubled "/" after the root.
QByteArray joinPath(const QByteArray& folder, const QByteArray& name);

} // namespace dorva
