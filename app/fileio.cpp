#include "app/fileio.h"

#include "app/localpath.h"
#include "app/regularfile.h"
#include "app/uniquefd.h"
#include "formats/error.h"

#include <QDir>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

namespace dorva {

namespace {

std::string nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

QByteArray bytesOf(const QString& path) {
    return localPath(path, currentFolder());
}

// A link is written through to the file it names, as the user meant that file.
QByteArray linkTarget(const QByteArray& path) {
    char resolved[PATH_MAX];
    struct stat info {};
    if (lstat(path.constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
        realpath(path.constData(), resolved) != nullptr)
        return QByteArray(resolved);
    return path;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// A new file beside target with a short name, so that it fits wherever the target's name does.
UniqueFd createTemporary(const QByteArray& target, QByteArray& name) {
    const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + ".dorva" +
               QByteArray::number(QRandomGenerator::global()->bounded(1 << 30), 36);
        UniqueFd fd(open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid() || errno != EEXIST)
            return fd;
    }
    return UniqueFd(-1);
}

} // namespace

std::string readDocumentFile(const QString& path) {
    const FileContents file =
        readRegularFile(bytesOf(path), static_cast<std::size_t>(kMaxDocumentSize));
    if (file.status == ReadStatus::TooLarge)
        throw Error(messageTooLarge());
    if (file.status != ReadStatus::Read)
        throw Error(messageCannotOpen(nativePath(path)));
    return file.bytes;
}

void writeDocumentFile(const QString& path, const std::string& bytes) {
    const Error cannotCreate(messageCannotCreate(nativePath(path)));
    const QByteArray target = linkTarget(bytesOf(path));
    struct stat info {};
    const bool exists = stat(target.constData(), &info) == 0;
    // A read-only file is left alone although its folder would let us replace it.
    if (exists && (!S_ISREG(info.st_mode) || access(target.constData(), W_OK) != 0))
        throw cannotCreate;
    QByteArray temporary;
    UniqueFd fd = createTemporary(target, temporary);
    if (!fd.valid())
        throw cannotCreate;
    // The replacement keeps the permissions of the file it replaces.
    const bool written = (!exists || fchmod(fd.get(), info.st_mode & 07777) == 0) &&
                         writeAll(fd.get(), bytes) && fsync(fd.get()) == 0 && fd.close() &&
                         rename(temporary.constData(), target.constData()) == 0;
    if (!written) {
        unlink(temporary.constData());
        throw cannotCreate;
    }
}

} // namespace dorva
