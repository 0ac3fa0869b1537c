#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace dorva {

// A file or folder name as listed: its text as shown and its bytes on disk.
struct ListedName {
    QString text;
    QByteArray bytes;
};

// Names sorted as the user reads them: letter case ignored as QString::compare ignores it,
// ties broken by the exact text, then by the bytes.
void sortListedNames(std::vector<ListedName>& names);

} // namespace dorva
