#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <string_view>

namespace dorva {

// The largest shortcut list file that is read, in bytes.
inline constexpr std::size_t kMaxShortcutFileSize = 1024 * 1024;

// The entries of a shortcut list file: one per line, lines ended by CR, LF or CR LF, empty lines
// kept, a final line break adding no entry. The bytes are UTF-8 when they are valid UTF-8 and
// not plain ASCII (what Linux editors write), otherwise code page 932 text.
QStringList parseShortcutLines(std::string_view bytes);

// The entries of the shortcut list file at path; none when it is missing. Throws Error
// "ファイル %s は開けません" when it is not a regular file of at most kMaxShortcutFileSize
// bytes or cannot be read.
QStringList readShortcutFile(const QByteArray& path);

} // namespace dorva
