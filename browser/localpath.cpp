#include "browser/localpath.h"

#include "formats/filename.h"

#include <QDir>
#include <QList>
#include <cerrno>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dorva {

QString shownName(const QByteArray& name) {
    // Most names are UTF-8, and large folders list them all: no copy on the way for those.
    const std::string_view bytes(name.constData(), static_cast<std::size_t>(name.size()));
    return isUtf8(bytes) ? QString::fromUtf8(name) : QString::fromStdString(fileNameText(bytes));
}

QString shownPath(const QByteArray& path) {
    return QString::fromStdString(pathText(path.toStdString()));
}

namespace {

// Appends a name to a path held as names, taking "." and ".." by name.
void appendName(QByteArrayList& names, const QByteArray& name) {
    if (name.isEmpty() || name == ".")
        return;
    if (name == "..") {
        if (!names.isEmpty())
            names.removeLast();
        return;
    }
    names << name;
}

QByteArrayList namesOf(const QByteArray& path) {
    QByteArrayList names;
    const QByteArray absolute = path.startsWith('/') ? path : currentFolder() + '/' + path;
    for (const QByteArray& name : absolute.split('/'))
        appendName(names, name);
    return names;
}

QByteArray pathOf(const QByteArrayList& names) {
    return '/' + names.join('/');
}

} // namespace

QByteArray cleanPath(const QByteArray& path) {
    return pathOf(namesOf(path));
}

QByteArray localPath(const QString& text, const QByteArray& base) {
    QByteArrayList names = text.startsWith(u'/') ? QByteArrayList() : namesOf(base);
    for (const QString& part : text.split(u'/', Qt::SkipEmptyParts)) {
        const std::vector<std::string> forms = fileNameForms(part.toStdString());
        QByteArray chosen = QByteArray::fromStdString(forms.front());
        for (const std::string& form : forms) {
            const QByteArray name = QByteArray::fromStdString(form);
            if (pathExists(joinPath(pathOf(names), name))) {
                chosen = name;
                break;
            }
        }
        appendName(names, chosen);
    }
    return pathOf(names);
}

QByteArray currentFolder() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.data());
}

QByteArray homeFolder() {
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? home : QDir::homePath().toUtf8();
}

bool isFolder(const QByteArray& path) {
    struct stat info {};
    return stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isRegularFile(const QByteArray& path) {
    struct stat info {};
    return stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool pathExists(const QByteArray& path) {
    struct stat info {};
    return lstat(path.constData(), &info) == 0;
}

QByteArray joinPath(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

} // namespace dorva
