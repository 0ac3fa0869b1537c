#pragma once

#include <string>
#include <string_view>

namespace dorva {

// A path's bytes as text for a message: UTF-8 as it stands, any other name (one unpacked from
// a Windows archive) through the lossless code page 932 conversion.
std::string pathText(std::string_view path);

// The last component of a path: what follows its last "/".
std::string_view fileNameOf(std::string_view path);

} // namespace dorva
