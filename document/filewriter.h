#pragma once

#include <string>
#include <string_view>

namespace dorva {

// Writes bytes as the whole content of the file at path (the file system's bytes), all or
// nothing, the one way both the editor and dorva-cli write a file:
//  - The bytes go to a temporary file with a short name in the target's folder, which is
//    flushed to disk and then renamed over the target. An existing file keeps its permissions
//    and, where it can, its owner.
//  - A symbolic link is written through: the file it names changes, the link stays.
//  - A file with further hard links, a file whose owner a new file cannot keep, and a file in
//    a folder that takes no temporary file are rewritten in place instead: the new bytes are
//    written over the old, flushed and cut to length; when that fails, the old bytes are put
//    back.
//  - Only a regular file or a new name is written: a folder, a FIFO, a device, or a file of
//    /proc or /sys is refused, as are a read-only file and a new name in a folder that cannot
//    be written.
// Throws Error "ファイル %s を作成できません"; no temporary file is left behind.
void writeFile(const std::string& path, std::string_view bytes);

} // namespace dorva
