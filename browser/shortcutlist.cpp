#include "browser/shortcutlist.h"

#include "browser/localpath.h"
#include "controls/textcodec.h"
#include "document/filereader.h"
#include "formats/error.h"
#include "formats/filename.h"

#include <algorithm>

namespace dorva {

namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QStringList parseShortcutLines(std::string_view bytes) {
    const bool utf8 = !isAscii(bytes) && isUtf8(bytes);
    // A byte order mark, as some editors write, is no part of the first entry.
    if (utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const auto text = [utf8](std::string_view line) {
        return utf8 ? QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()))
                    : toQString(line);
    };
    QStringList lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines << text(bytes.substr(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        lines << text(bytes.substr(start));
    return lines;
}

QStringList readShortcutFile(const QByteArray& path) {
    const FileContents file = readRegularFile(path.toStdString(), kMaxShortcutFileSize);
    if (file.status == ReadStatus::Missing)
        return {};
    if (file.status != ReadStatus::Read)
        throw Error(messageCannotOpen(shownPath(path).toStdString()));
    return parseShortcutLines(file.bytes);
}

} // namespace dorva
