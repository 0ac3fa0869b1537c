#pragma once

#include <cstddef>
#include <string>

namespace dorva {

// The largest file the editor opens: the limit of its document text.
inline constexpr std::size_t kMaxFileSize = 16u * 1024u * 1024u;

enum class ReadStatus { Read, Missing, NotRegular, TooLarge, Failed };

struct FileContents {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes; // the whole file when status is Read
};

// Reads a whole regular file of at most limit bytes. Anything else (a FIFO, a device, a
// folder, a link to one of them) is never read, so no read can block or run without end.
FileContents readRegularFile(const std::string& path, std::size_t limit);

// Reads the whole regular file at path (bytes as the file system takes them). Throws Error
// "ファイル %s は開けません" when it cannot be read or is no regular file, and
// "文字列の大きさが メモ の制限を越えました" when it is larger than kMaxFileSize.
std::string readFile(const std::string& path);

} // namespace dorva
