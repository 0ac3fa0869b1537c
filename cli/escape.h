#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorva {

// The one-line form of a value in KEY=VALUE output: a backslash becomes "\\", CR "\r" and
// LF "\n".
std::string escapeValue(std::string_view value);

// The reverse of escapeValue; empty when a backslash is followed by anything other than "\",
// "r" or "n", or ends the text.
std::optional<std::string> unescapeValue(std::string_view text);

} // namespace dorva
