#include "app/editor.h"

#include "app/settings.h"
#include "app/uifont.h"
#include "browser/localpath.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace dorva {

QString configFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath("dorva");
}

QString settingsLocation(const QString& executablePath, const QString& configFolder) {
    const QString beside = settingsPathFor(executablePath);
    const QByteArray folder = QFile::encodeName(QFileInfo(beside).path());
    if (QFileInfo::exists(beside) || access(folder.constData(), W_OK) == 0)
        return beside;
    return QDir(configFolder).filePath("dorva.ini");
}

QByteArray shortcutListLocation(const QByteArray& workingFolder, const QString& configFolder) {
    const QByteArray name("shortcut.ini");
    if (!workingFolder.isEmpty() && pathExists(joinPath(workingFolder, name)))
        return joinPath(workingFolder, name);
    return joinPath(QFile::encodeName(configFolder), name);
}

std::unique_ptr<MainWindow> createEditor(Dialogs& dialogs) {
    QApplication::setApplicationName("DORVA");
    applyUiFont();
    const QString config = configFolder();
    const QByteArray start = currentFolder();
    return std::make_unique<MainWindow>(
        dialogs, settingsLocation(QCoreApplication::applicationFilePath(), config), start,
        shortcutListLocation(start, config));
}

} // namespace dorva
