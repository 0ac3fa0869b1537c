#pragma once

#include <QString>
#include <string>

namespace dorva {

// The largest document the editor opens, in bytes.
inline constexpr qint64 kMaxDocumentSize = 16 * 1024 * 1024;

// Paths are as the user sees them; each name is found in the form its folder holds it, UTF-8
// or code page 932 (localpath.h), and the messages show them as given.

// Reads a whole data file as bytes. Throws Error "ファイル %s は開けません" when it is not a
// regular file or cannot be read and "文字列の大きさが メモ の制限を越えました" when it is
// larger than kMaxDocumentSize.
std::string readDocumentFile(const QString& path);

// Writes bytes as the whole file at path, exactly as given. The bytes go to a new file in the
// same folder that then replaces the target, so a failed write leaves an existing file as it
// was. Throws Error "ファイル %s を作成できません".
void writeDocumentFile(const QString& path, const std::string& bytes);

} // namespace dorva
