#include "app/shortcutlist.h"

#include "controls/textcodec.h"

#include <QFile>

namespace dorva {

QStringList parseShortcutLines(std::string_view bytes) {
    QStringList lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines << toQString(bytes.substr(start, i - start));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        lines << toQString(bytes.substr(start));
    return lines;
}

QStringList readShortcutFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return parseShortcutLines(std::string_view(bytes.constData(), bytes.size()));
}

} // namespace dorva
