#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace dorva {

// The entries of a shortcut list file: one per line, lines ended by CR, LF or CR LF, empty lines
// kept, a final line break adding no entry. The bytes are code page 932 text.
QStringList parseShortcutLines(std::string_view bytes);

// The entries of the shortcut list file at path; none when it is missing or unreadable.
QStringList readShortcutFile(const QString& path);

} // namespace dorva
