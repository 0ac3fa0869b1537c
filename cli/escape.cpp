#include "cli/escape.h"

namespace dorva {

std::string escapeValue(std::string_view value) {
    std::string text;
    text.reserve(value.size());
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

std::optional<std::string> unescapeValue(std::string_view text) {
    std::string value;
    value.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            value += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            value += '\\';
            break;
        case 'r':
            value += '\r';
            break;
        case 'n':
            value += '\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return value;
}

} // namespace dorva
