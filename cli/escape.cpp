#include "cli/escape.h"

namespace dorva {

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
