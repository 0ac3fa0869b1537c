#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace dorva {

// The normal files and the subfolders of a folder, as the file system's bytes, hidden ones
// left out, unsorted. One pass over the folder; a file's kind comes with its directory entry,
// so large folders list fast.
struct FolderListing {
    QByteArrayList files;
    QByteArrayList folders;
};

// Throws Error: messageFolderNotFound when folder is not there, messageFolderDenied(folder)
// when it may not be read.
FolderListing listFolder(const QByteArray& folder);

} // namespace dorva
