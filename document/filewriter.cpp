#include "document/filewriter.h"

#include "document/filedescriptor.h"
#include "formats/error.h"
#include "formats/filename.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/magic.h>
#include <optional>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace dorva {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool onKernelFileSystem(const std::string& path) {
    struct statfs fs {};
    if (::statfs(path.c_str(), &fs) != 0)
        return false;
    return fs.f_type == PROC_SUPER_MAGIC || fs.f_type == SYSFS_MAGIC;
}

// The file a path names once symbolic links are followed; it need not exist. Empty for a link
// that cannot be read, a loop, or a link that lives in /proc or /sys (such as /proc/self/fd/1,
// which names whatever the process has open).
std::optional<std::string> followLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        if (onKernelFileSystem(folderOf(path)))
            return std::nullopt;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0)
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + "/" + target;
    }
    return std::nullopt;
}

bool writeAllAt(int fd, std::string_view bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                   offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> readAll(int fd) {
    std::string bytes;
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

void syncFolder(const std::string& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes the bytes over the file's own and cuts it to their length, so every hard link and
// the file's owner, mode and other attributes stay. The old bytes go back on failure.
bool rewriteInPlace(const std::string& path, std::string_view bytes) {
    const FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const std::optional<std::string> old = readAll(fd.get());
    if (!old)
        return false;
    if (writeAllAt(fd.get(), bytes, 0) &&
        ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd.get()) == 0)
        return true;
    writeAllAt(fd.get(), *old, 0);
    ::ftruncate(fd.get(), static_cast<off_t>(old->size()));
    ::fsync(fd.get());
    return false;
}

// A temporary file in a folder, removed unless it was renamed.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder)
        : path_(folder + "/.dorva-XXXXXX"), fd_(::mkstemp(path_.data())), created_(fd_.valid()) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (created_ && !renamed_)
            ::unlink(path_.c_str());
    }

    bool valid() const { return fd_.valid(); }
    int fd() const { return fd_.get(); }
    bool close() { return fd_.close(); }
    bool renameTo(const std::string& target) {
        renamed_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return renamed_;
    }

private:
    std::string path_;
    FileDescriptor fd_;
    const bool created_;
    bool renamed_ = false;
};

// Gives the temporary file the target's mode and owner; false when the owner cannot be kept.
bool takeOver(int fd, const struct stat& target) {
    struct stat own {};
    if (::fstat(fd, &own) != 0)
        return false;
    if ((own.st_uid != target.st_uid || own.st_gid != target.st_gid) &&
        ::fchown(fd, target.st_uid, target.st_gid) != 0)
        return false;
    return ::fchmod(fd, target.st_mode & 07777) == 0;
}

} // namespace

void writeFile(const std::string& path, std::string_view bytes) {
    const Error cannotCreate(messageCannotCreate(pathText(path)));
    const std::optional<std::string> target = followLinks(path);
    if (!target || target->empty() || target->back() == '/')
        throw cannotCreate;

    struct stat info {};
    const bool exists = ::stat(target->c_str(), &info) == 0;
    if (exists && (!S_ISREG(info.st_mode) || onKernelFileSystem(*target) ||
                   ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0))
        throw cannotCreate;
    if (!exists && errno != ENOENT)
        throw cannotCreate;

    const std::string folder = folderOf(*target);
    if (exists && info.st_nlink > 1) {
        if (!rewriteInPlace(*target, bytes))
            throw cannotCreate;
        return;
    }

    TemporaryFile temporary(folder);
    if (!temporary.valid()) {
        if (!exists || !rewriteInPlace(*target, bytes))
            throw cannotCreate;
        return;
    }
    const bool owned =
        exists ? takeOver(temporary.fd(), info) : ::fchmod(temporary.fd(), newFileMode()) == 0;
    if (!owned) {
        if (!exists || !rewriteInPlace(*target, bytes))
            throw cannotCreate;
        return;
    }
    if (!writeAllAt(temporary.fd(), bytes, 0) || ::fsync(temporary.fd()) != 0 ||
        !temporary.close() || !temporary.renameTo(*target))
        throw cannotCreate;
    syncFolder(folder);
}

} // namespace dorva
