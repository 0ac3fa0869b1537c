#pragma once

#include <QString>
#include <QStringList>

namespace dorva {

// The normal files and the subfolders of a folder, hidden ones left out, unsorted. One pass
// over the folder; a file's kind comes with its directory entry, so large folders list fast.
struct FolderListing {
    QStringList files;
    QStringList folders;
};

FolderListing listFolder(const QString& folder);

} // namespace dorva
