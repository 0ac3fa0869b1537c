#include "app/settings.h"

#include "app/recentfiles.h"
#include "document/filereader.h"
#include "document/filewriter.h"
#include "formats/error.h"
#include "formats/filename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

// Values are the file's bytes as they stand: file names keep the file system's encoding. The
// header's own definitions are used; no library is linked.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace dorva {

namespace {

constexpr const char* kWindow = "Window";
constexpr const char* kGeneral = "General";
constexpr const char* kRecent = "Recent";

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

// Reads the file into ini; a missing file leaves ini empty.
ReadStatus loadIni(CSimpleIniA& ini, const QString& path) {
    const FileContents file =
        readRegularFile(QFile::encodeName(path).toStdString(), kMaxSettingsFileSize);
    if (file.status == ReadStatus::Read && ini.LoadData(file.bytes) < 0)
        return ReadStatus::Failed;
    return file.status;
}

std::string recentKey(qsizetype index) {
    return "File" + std::to_string(index + 1);
}

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

bool needsQuotes(std::string_view path) {
    if (path.empty())
        return false;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    return isBlank(path.front()) || isBlank(path.back()) || path.front() == '"' || !isUtf8(path) ||
           std::any_of(path.begin(), path.end(),
                       [](char c) { return isControl(static_cast<unsigned char>(c)); });
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string folderValue(const QByteArray& path) {
    std::string_view bytes(path.constData(), static_cast<std::size_t>(path.size()));
    if (!needsQuotes(bytes))
        return std::string(bytes);
    static const char digits[] = "0123456789ABCDEF";
    std::string value = "\"";
    while (!bytes.empty()) {
        const auto c = static_cast<unsigned char>(bytes.front());
        const std::size_t length = utf8CharLength(bytes);
        if (c == '\\' || c == '"') {
            value += '\\';
            value += static_cast<char>(c);
        } else if (c == '\t') {
            value += "\\t";
        } else if (c == '\n') {
            value += "\\n";
        } else if (c == '\r') {
            value += "\\r";
        } else if (length == 0 || isControl(c)) {
            value += "\\x";
            value += digits[c >> 4];
            value += digits[c & 0xF];
        } else {
            value.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
            continue;
        }
        bytes.remove_prefix(1);
    }
    return value + '"';
}

QByteArray folderFromValue(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return QByteArray(value.data(), static_cast<qsizetype>(value.size()));
    value = value.substr(1, value.size() - 2);
    QByteArray path;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        const char next = i + 1 < value.size() ? value[i + 1] : '\0';
        if (c != '\\' || next == '\0') {
            path += c;
        } else if (next == 't' || next == 'n' || next == 'r') {
            path += next == 't' ? '\t' : next == 'n' ? '\n' : '\r';
            ++i;
        } else if (next == 'x' && i + 3 < value.size() && hexDigit(value[i + 2]) >= 0 &&
                   hexDigit(value[i + 3]) >= 0) {
            path += static_cast<char>(hexDigit(value[i + 2]) * 16 + hexDigit(value[i + 3]));
            i += 3;
        } else {
            // "\\", "\"" and, leniently, a backslash before anything else.
            path += next == '\\' || next == '"' ? next : c;
            i += next == '\\' || next == '"' ? 1 : 0;
        }
    }
    return path;
}

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
    if (loadIni(ini, path) != ReadStatus::Read)
        return defaults;
    Settings settings = defaults;
    settings.top = readInteger(ini, kWindow, "Top", defaults.top);
    settings.left = readInteger(ini, kWindow, "Left", defaults.left);
    settings.lastTab = readInteger(ini, kGeneral, "LastTab", defaults.lastTab);
    if (const char* dir = ini.GetValue(kGeneral, "LastDir", nullptr); dir && *dir)
        settings.lastDir = folderFromValue(dir);
    settings.recentFiles.clear();
    for (qsizetype i = 0; i < kMaxRecentFiles; ++i)
        if (const char* file = ini.GetValue(kRecent, recentKey(i).c_str(), nullptr); file && *file)
            settings.recentFiles.append(folderFromValue(file));
    return settings;
}

bool saveSettings(const QString& path, const Settings& settings) {
    CSimpleIniA ini;
    ini.SetSpaces(false);
    const ReadStatus old = loadIni(ini, path);
    if (old != ReadStatus::Read && old != ReadStatus::Missing)
        return false;
    writeInteger(ini, kWindow, "Top", settings.top);
    writeInteger(ini, kWindow, "Left", settings.left);
    writeInteger(ini, kGeneral, "LastTab", settings.lastTab);
    if (!settings.lastDir.isEmpty())
        ini.SetValue(kGeneral, "LastDir", folderValue(settings.lastDir).c_str());
    // Removed first, so the keys stand in order.
    for (qsizetype i = 0; i < kMaxRecentFiles; ++i)
        ini.Delete(kRecent, recentKey(i).c_str(), true);
    for (qsizetype i = 0; i < std::min(settings.recentFiles.size(), kMaxRecentFiles); ++i)
        ini.SetValue(kRecent, recentKey(i).c_str(), folderValue(settings.recentFiles[i]).c_str());
    std::string text;
    if (ini.Save(text) < 0)
        return false;
    QDir().mkpath(QFileInfo(path).path());
    try {
        writeFile(QFile::encodeName(path).toStdString(), text);
    } catch (const Error&) {
        return false;
    }
    return true;
}

} // namespace dorva
