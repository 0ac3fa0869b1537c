#include "app/fileio.h"

#include "formats/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dorva {

namespace {

std::string nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

std::string readDocumentFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw Error(messageCannotOpen(nativePath(path)));
    if (file.size() > kMaxDocumentSize)
        throw Error(messageTooLarge());
    // Read one byte past the limit so a file that grew since its size was taken is caught too.
    const QByteArray data = file.read(kMaxDocumentSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw Error(messageCannotOpen(nativePath(path)));
    if (data.size() > kMaxDocumentSize)
        throw Error(messageTooLarge());
    return std::string(data.constData(), static_cast<size_t>(data.size()));
}

void writeDocumentFile(const QString& path, const std::string& bytes) {
    const QFileInfo info(path);
    const Error cannotCreate(messageCannotCreate(nativePath(path)));
    // A read-only file is left alone although its folder would let us replace it.
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        throw cannotCreate;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotCreate;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        throw cannotCreate;
    }
    if (!file.commit())
        throw cannotCreate;
}

} // namespace dorva
