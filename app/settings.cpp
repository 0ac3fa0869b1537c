#include "app/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <string>

// Values are the file's bytes as they stand: file names keep the file system's encoding. The
// header's own definitions are used; no library is linked.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace dorva {

namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kGeneral = "General";

int readInteger(const CSimpleIniA& ini, const char* section, const char* key, int fallback) {
    const char* value = ini.GetValue(section, key, nullptr);
    if (value == nullptr)
        return fallback;
    bool ok = false;
    const int number = QString::fromLatin1(value).trimmed().toInt(&ok, 10);
    return ok ? number : fallback;
}

void writeInteger(CSimpleIniA& ini, const char* section, const char* key, int value) {
    ini.SetValue(section, key, std::to_string(value).c_str());
}

// File names are kept as the file system's bytes.
bool loadIni(CSimpleIniA& ini, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    return ini.LoadData(data.constData(), static_cast<size_t>(data.size())) >= 0;
}

} // namespace

QString settingsPathFor(const QString& executablePath) {
    const QFileInfo info(executablePath);
    QString name = info.fileName();
    const int dot = name.lastIndexOf('.');
    if (dot >= 0)
        name.truncate(dot);
    return QDir(info.path()).filePath(name + ".ini");
}

Settings loadSettings(const QString& path, const Settings& defaults) {
    CSimpleIniA ini;
    if (!loadIni(ini, path))
        return defaults;
    Settings settings = defaults;
    settings.top = readInteger(ini, kWindow, "Top", defaults.top);
    settings.left = readInteger(ini, kWindow, "Left", defaults.left);
    settings.lastTab = readInteger(ini, kGeneral, "LastTab", defaults.lastTab);
    if (const char* dir = ini.GetValue(kGeneral, "LastDir", nullptr))
        settings.lastDir = QDir::fromNativeSeparators(QFile::decodeName(dir));
    return settings;
}

bool saveSettings(const QString& path, const Settings& settings) {
    CSimpleIniA ini;
    ini.SetSpaces(false);
    loadIni(ini, path);
    writeInteger(ini, kWindow, "Top", settings.top);
    writeInteger(ini, kWindow, "Left", settings.left);
    writeInteger(ini, kGeneral, "LastTab", settings.lastTab);
    ini.SetValue(kGeneral, "LastDir",
                 QFile::encodeName(QDir::toNativeSeparators(settings.lastDir)).constData());
    std::string text;
    if (ini.Save(text) < 0)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

} // namespace dorva
