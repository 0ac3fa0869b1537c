#include "document/filereader.h"

#include "document/filedescriptor.h"
#include "formats/error.h"
#include "formats/filename.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorva {

namespace {

constexpr std::size_t kRoomToGrow = 16 * 1024;

bool isRegular(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

FileContents readRegularFile(const std::string& path, std::size_t limit) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed, {}};
    if (!S_ISREG(info.st_mode))
        return {ReadStatus::NotRegular, {}};
    if (static_cast<unsigned long long>(info.st_size) > limit)
        return {ReadStatus::TooLarge, {}};
    // The file may have been swapped for a FIFO since: opening does not wait for a writer,
    // and the open file is checked again.
    const FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid())
        return {ReadStatus::Failed, {}};
    if (!isRegular(fd.get()))
        return {ReadStatus::NotRegular, {}};

    // Read one byte past the size, and past the limit, to tell a file that grew since. The
    // room beyond lets a save that adds a few elements write over the same buffer.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1 + kRoomToGrow);
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t size = 0;
    while (size <= limit) {
        if (size == bytes.size())
            bytes.resize(std::min(size * 2, limit + 1));
        const ssize_t count = read(fd.get(), bytes.data() + size, bytes.size() - size);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {ReadStatus::Failed, {}};
        if (count == 0)
            break;
        size += static_cast<std::size_t>(count);
    }
    if (size > limit)
        return {ReadStatus::TooLarge, {}};
    bytes.resize(size);
    return {ReadStatus::Read, std::move(bytes)};
}

std::string readFile(const std::string& path) {
    FileContents file = readRegularFile(path, kMaxFileSize);
    switch (file.status) {
    case ReadStatus::Read:
        return std::move(file.bytes);
    case ReadStatus::TooLarge:
        throw Error(messageTooLarge());
    default:
        throw Error(messageCannotOpen(pathText(path)));
    }
}

} // namespace dorva
