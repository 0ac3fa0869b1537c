#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <ostream>

// Readable values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A temporary folder tree for one test. The working folder is restored when it goes away, since
// the file browser moves it.
class TempFolder {
public:
    TempFolder() : saved_(QDir::currentPath()) {}
    ~TempFolder() { QDir::setCurrent(saved_); }

    QString path(const QString& relative = {}) const {
        return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
    }

    void file(const QString& relative, const QByteArray& bytes = "x") const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile f(path(relative));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    void folder(const QString& relative) const { QDir().mkpath(path(relative)); }

private:
    QString saved_;
    QTemporaryDir dir_;
};
