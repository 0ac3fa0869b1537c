#include "controls/numberforms.h"

#include <algorithm>
#include <cstdio>

namespace dorva {

namespace {

bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

bool isHexDigit(unsigned char c) {
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int hexValue(unsigned char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

template <typename Keep> std::string filterText(std::string_view text, Keep keep) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32 || keep(c))
            out.push_back(ch);
    }
    return out;
}

std::string normalizeHex(std::string_view digits, int width) {
    bool valid = std::all_of(digits.begin(), digits.end(),
                             [](char c) { return isHexDigit(static_cast<unsigned char>(c)); });
    const auto firstNonZero = digits.find_first_not_of('0');
    digits.remove_prefix(firstNonZero == std::string_view::npos ? digits.size() : firstNonZero);
    if (digits.empty() || digits.size() > static_cast<std::size_t>(width))
        valid = false;
    std::uint32_t value = 0;
    if (valid) {
        for (const char c : digits)
            value =
                value * 16 + static_cast<std::uint32_t>(hexValue(static_cast<unsigned char>(c)));
    }
    return hexForm(static_cast<std::int32_t>(value), width);
}

std::string normalizeDecimal(std::string_view text) {
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    bool valid = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) {
        return isDigit(static_cast<unsigned char>(c));
    });
    if (valid) {
        if (digits.size() > 10)
            valid = false;
        else if (digits.size() == 10 &&
                 (digits.front() > '2' ||
                  (digits.front() == '2' && std::stol(std::string(digits.substr(1))) > 147483647)))
            valid = false;
    }
    if (!valid)
        return "0";
    std::int64_t magnitude = 0;
    for (const char c : digits)
        magnitude = magnitude * 10 + (c - '0');
    return decimalForm(static_cast<std::int32_t>(negative ? -magnitude : magnitude));
}

} // namespace

std::string filterDecimal(std::string_view text) {
    return filterText(text, isDigit);
}

std::string filterHex(std::string_view text) {
    return filterText(text, isHexDigit);
}

std::string normalizeNumber(std::string_view text, int width) {
    if (!text.empty() && text.front() == '$')
        return normalizeHex(text.substr(1), width);
    return normalizeDecimal(text);
}

std::string insertSeparators(std::string_view text) {
    const bool dollar = !text.empty() && text.front() == '$';
    std::string body(dollar ? text.substr(1) : text);
    std::size_t length = body.size();
    while (length > 4) {
        length -= 4;
        body.insert(length, 1, '_');
    }
    return dollar ? "$" + body : body;
}

std::string removeSeparators(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (c != '_')
            out.push_back(c);
    return out;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
        if (text.empty())
            return std::nullopt;
        std::uint64_t value = 0;
        for (const char ch : text) {
            const auto c = static_cast<unsigned char>(ch);
            if (!isHexDigit(c))
                return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(hexValue(c));
            if (value > 0xFFFFFFFFu)
                return std::nullopt;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (!isDigit(c))
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string decimalForm(std::int32_t n) {
    return std::to_string(n);
}

std::string hexForm(std::int32_t n, int width) {
    const int digits = n < 0 ? 8 : width;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%0*X", digits, static_cast<unsigned>(n));
    return buffer;
}

} // namespace dorva
