#include "cli/escape.h"

namespace dorva {

namespace {

bool needsEscape(char c) {
    return (c == '\\') | (c == '\r') | (c == '\n');
}

// The first character at or after i that needs an escape, or the end. Blocks of a fixed size
// let the compiler look at many characters at once.
std::size_t nextEscape(std::string_view value, std::size_t i) {
    constexpr std::size_t kBlock = 16;
    for (; i + kBlock <= value.size(); i += kBlock) {
        bool any = false;
        for (std::size_t k = i; k < i + kBlock; ++k)
            any |= needsEscape(value[k]);
        if (any)
            break;
    }
    while (i < value.size() && !needsEscape(value[i]))
        ++i;
    return i;
}

} // namespace

std::string escapeValue(std::string_view value) {
    std::string text;
    text.reserve(value.size() + value.size() / 32);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::size_t special = nextEscape(value, i);
        text.append(value, i, special - i);
        i = special;
        if (i == value.size())
            break;
        text += value[i] == '\\' ? "\\\\" : value[i] == '\r' ? "\\r" : "\\n";
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
