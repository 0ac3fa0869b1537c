#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dorva {

// Byte range of a value between two markers in a text, by the tag value rule: the value starts
// right after the first occurrence of the opening marker and runs up to the first occurrence of
// the closing marker (searched independently from the start of the text). A missing opening
// marker, a missing closing marker or a closing marker in front of the value gives an empty
// value.
struct ValueSpan {
    bool openFound = false;
    std::size_t start = 0;  // byte offset of the value (just past the opening marker)
    std::size_t length = 0; // byte count of the value
};

ValueSpan findValue(std::string_view text, std::string_view open, std::string_view close);
// The same from where the markers were found: the offsets of their first occurrences (npos
// when absent) and the opening marker's length.
ValueSpan valueBetween(std::size_t open, std::size_t openLength, std::size_t close);
std::string tagValue(std::string_view text, std::string_view open, std::string_view close);

// "<name>" and "</name>".
std::string openTag(std::string_view name);
std::string closeTag(std::string_view name);

// Replaces every occurrence of `from` by `to`, left to right, without searching inserted text.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);

} // namespace dorva
