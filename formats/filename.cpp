#include "formats/filename.h"

#include "formats/codec.h"

namespace dorva {

std::size_t utf8CharLength(std::string_view bytes) {
    if (bytes.empty())
        return 0;
    const auto b = static_cast<unsigned char>(bytes[0]);
    if (b < 0x80)
        return 1;
    // The allowed range of the second byte excludes overlong forms, surrogates and code points
    // past U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        low = b == 0xE0 ? 0xA0 : 0x80;
        high = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        low = b == 0xF0 ? 0x90 : 0x80;
        high = b == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto t = static_cast<unsigned char>(bytes[k]);
        if (t < (k == 1 ? low : 0x80) || t > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

bool isUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8CharLength(bytes.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string fileNameText(std::string_view name) {
    return isUtf8(name) ? std::string(name) : cp932ToUtf8(name);
}

std::string_view fileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string pathText(std::string_view path) {
    std::string text;
    text.reserve(path.size());
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        text += fileNameText(path.substr(start, slash - start));
        if (slash == std::string_view::npos)
            return text;
        text += '/';
        start = slash + 1;
    }
}

std::vector<std::string> fileNameForms(std::string_view text) {
    std::vector<std::string> forms{std::string(text)};
    const std::optional<std::string> cp932 = utf8ToCp932(text);
    if (cp932 && *cp932 != text && fileNameText(*cp932) == text)
        forms.push_back(*cp932);
    return forms;
}

} // namespace dorva
