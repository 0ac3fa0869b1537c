#include "cli/escape.h"

#include "formats/wordscan.h"

#include <cstdint>

namespace dorva {

namespace {

bool needsEscape(char c) {
    return c == '\\' || c == '\r' || c == '\n';
}

// The first character at or after i that needs an escape, or the end.
std::size_t nextEscape(std::string_view value, std::size_t i) {
    using namespace wordscan;
    const char* const p = value.data();
    for (; i + kSize <= value.size(); i += kSize) {
        const std::uint64_t word = load(p + i);
        if (hasByte(word, '\\') | hasByte(word, '\r') | hasByte(word, '\n'))
            break;
    }
    while (i < value.size() && !needsEscape(p[i]))
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
        text.push_back('\\');
        text.push_back(value[i] == '\\' ? '\\' : value[i] == '\r' ? 'r' : 'n');
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
