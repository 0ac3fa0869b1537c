#pragma once

#include <QString>
#include <QStringList>

namespace dorva {

// A file list mask: one pattern or several separated by ";". "*" stands for any run of
// characters and "?" for one character; letter case does not matter, since game folders hold
// "M01.MIS" as often as "m01.mis". As on the game's home platform, a pattern ending in ".*"
// also takes names without an extension, so "*.*" takes every file.
struct FileMask {
    QStringList patterns; // case-folded, empty patterns dropped
};

FileMask parseFileMask(const QString& mask);
bool matchesFileMask(const FileMask& mask, const QString& fileName);
bool matchesFileMask(const QString& mask, const QString& fileName);

// True when text holds "*" or "?", which makes a path component a mask.
bool hasWildcard(const QString& text);

} // namespace dorva
