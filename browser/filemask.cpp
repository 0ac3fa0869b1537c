#include "browser/filemask.h"

namespace dorva {

namespace {

// Wildcard match with backtracking to the last "*" only, so it stays linear in practice.
bool matchesPattern(const QString& pattern, const QString& name) {
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starP = -1;
    qsizetype starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

FileMask parseFileMask(const QString& mask) {
    FileMask result;
    for (const QString& part : mask.split(u';')) {
        const QString pattern = part.trimmed().toCaseFolded();
        if (!pattern.isEmpty())
            result.patterns << pattern;
    }
    return result;
}

bool matchesFileMask(const FileMask& mask, const QString& fileName) {
    const QString name = fileName.toCaseFolded();
    for (const QString& pattern : mask.patterns) {
        if (matchesPattern(pattern, name))
            return true;
        if (pattern.endsWith(u".*") && matchesPattern(pattern.chopped(2), name))
            return true;
    }
    return false;
}

bool matchesFileMask(const QString& mask, const QString& fileName) {
    return matchesFileMask(parseFileMask(mask), fileName);
}

bool hasWildcard(const QString& text) {
    return text.contains(u'*') || text.contains(u'?');
}

} // namespace dorva
