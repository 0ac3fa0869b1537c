#include "browser/folderlisting.h"

#include "browser/localpath.h"
#include "browser/shortcutpath.h"
#include "formats/error.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace dorva {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

enum class Kind { File, Folder, Other };

Kind kindOf(DIR* dir, const dirent* entry) {
    switch (entry->d_type) {
    case DT_REG:
        return Kind::File;
    case DT_DIR:
        return Kind::Folder;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:
        return Kind::Other;
    }
    // Links count as what they point to; some file systems do not tell the kind at all.
    struct stat info {};
    if (fstatat(dirfd(dir), entry->d_name, &info, 0) != 0)
        return Kind::Other;
    if (S_ISREG(info.st_mode))
        return Kind::File;
    return S_ISDIR(info.st_mode) ? Kind::Folder : Kind::Other;
}

} // namespace

FolderListing listFolder(const QByteArray& folder) {
    const std::unique_ptr<DIR, DirCloser> dir(opendir(folder.constData()));
    if (!dir) {
        if (errno == EACCES || errno == EPERM)
            throw Error(messageFolderDenied(shownPath(folder).toStdString()));
        throw Error(messageFolderNotFound());
    }
    FolderListing listing;
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        switch (kindOf(dir.get(), entry)) {
        case Kind::File:
            listing.files << QByteArray(entry->d_name);
            break;
        case Kind::Folder:
            listing.folders << QByteArray(entry->d_name);
            break;
        case Kind::Other:
            break;
        }
    }
    return listing;
}

} // namespace dorva
