#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace dorva {

// Where a shortcut entry leads: a folder, and optionally a mask for the file list or the name of
// a file in that folder to select.
struct ShortcutTarget {
    QByteArray folder; // absolute, as the file system's bytes
    QString mask;      // empty when the entry has no mask component
    QByteArray file;   // bare file name as bytes; empty when the entry names no file
};

// Reads a shortcut entry as a path: absolute, or relative to currentFolder; "\" separates like
// "/", since users copy paths from the game's home platform; a leading "~" is homeFolder. The
// last component is a mask if it holds "*" or "?", a file if a file of that name exists, and
// otherwise one more folder level. Each name is found in the form its folder holds it, UTF-8
// or code page 932. Looks at the file system but changes nothing. Throws Error with
// messageFolderNotFound, messageFolderDenied, messageInvalidName or
// messageInvalidFileName(entry).
ShortcutTarget resolveShortcut(const QString& entry, const QByteArray& currentFolder,
                               const QByteArray& homeFolder);

std::string messageFolderNotFound(); // "ファイルが見つかりません"
std::string messageInvalidName();    // "不正なファイル名です"
std::string messageInvalidFileName(const std::string& name); // "不正なファイル名 - %s"
std::string messageFolderDenied(const std::string& path); // "フォルダ %s にアクセスできません"

} // namespace dorva
