#include "document/filereader.h"

#include "document/filedescriptor.h"
#include "formats/error.h"
#include "formats/filename.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dorva {

std::string readFile(const std::string& path) {
    // Non-blocking, so that a FIFO under a data file's name cannot hang the open.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw Error(messageCannotOpen(pathText(path)));
    if (static_cast<unsigned long long>(info.st_size) > kMaxFileSize)
        throw Error(messageTooLarge());
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    // One byte past the limit is read as well, so a file that grew since fstat is caught.
    for (;;) {
        if (done == bytes.size())
            bytes.resize(done + 65536);
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Error(messageCannotOpen(pathText(path)));
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
        if (done > kMaxFileSize)
            throw Error(messageTooLarge());
    }
    bytes.resize(done);
    return bytes;
}

} // namespace dorva
