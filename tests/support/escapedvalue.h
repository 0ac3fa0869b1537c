#pragma once

#include <string>
#include <string_view>

namespace dorva {

// A value in the one-line form show prints and set takes: a backslash becomes "\\", CR "\r" and
// LF "\n".
inline std::string escapeValue(std::string_view value) {
    std::string text;
    for (const char c : value) {
        if (c == '\\')
            text += "\\\\";
        else if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else
            text += c;
    }
    return text;
}

} // namespace dorva
