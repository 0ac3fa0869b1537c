#pragma once

#include <QByteArray>
#include <cstddef>
#include <string>

namespace dorva {

enum class ReadStatus { Read, Missing, NotRegular, TooLarge, Failed };

struct FileContents {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes; // the whole file when status is Read
};

// Reads a whole regular file of at most limit bytes. Anything else (a FIFO, a device, a
// folder, a link to one of them) is never read, so no read can block or run without end.
FileContents readRegularFile(const QByteArray& path, std::size_t limit);

} // namespace dorva
