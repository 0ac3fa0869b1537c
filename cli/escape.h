#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorva {

// A value from its one-line form in KEY=VALUE text, where a backslash stands as "\\", CR as
// "\r" and LF as "\n"; empty when a backslash is followed by anything else or ends the text.
std::optional<std::string> unescapeValue(std::string_view text);

} // namespace dorva
