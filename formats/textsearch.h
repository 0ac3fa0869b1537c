#pragma once

#include <cstddef>
#include <string_view>

namespace dorva {

// Byte offset of the first occurrence of part in text at or after from, or npos. Same result
// as std::string_view::find, but fast on long texts full of tags, where a search that stops at
// every "<" would dominate loading and saving a large document.
std::size_t findText(std::string_view text, std::string_view part, std::size_t from = 0);

} // namespace dorva
