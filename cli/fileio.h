#pragma once

#include <string>

namespace dorva {

// The largest file that the editor's document memo takes.
inline constexpr std::size_t kMaxFileSize = 16u * 1024u * 1024u;

// Reads the whole file as bytes. Throws Error with the cannot-open message when the file
// cannot be read (or is no regular file), and with the too-large message beyond kMaxFileSize.
std::string readWholeFile(const std::string& path);

// Replaces the file's content by bytes, atomically: the bytes go to a temporary file in the
// target's folder which then takes the target's place, so a failed write leaves the old file
// as it was. An existing file keeps its permissions. Throws Error with the cannot-create
// message on failure.
void writeFileAtomically(const std::string& path, const std::string& bytes);

} // namespace dorva
