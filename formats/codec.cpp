#include "formats/codec.h"

#include "formats/cp932bytes.h"
#include "formats/cp932table.h"
#include "formats/error.h"
#include "formats/wordscan.h"

#include <cstdint>
#include <cstring>

namespace dorva {

namespace {

using cp932::isHalfWidthKana;
using cp932::isLeadByte;
using cp932::isTrailByte;
using cp932::kEscapeBase;

char32_t decodePair(unsigned char lead, unsigned char trail) {
    return cp932::kDecode[(lead - 0x80) * 256 + trail];
}

int encodeCharacter(char32_t c) {
    if (c > 0xFFFF)
        return -1;
    const std::uint16_t pair = cp932::kEncode[cp932::kEncodeBlock[c >> 8]][c & 0xFF];
    return pair == 0 ? -1 : pair;
}

// The end of the run of ASCII bytes that starts at i.
std::size_t asciiRunEnd(std::string_view s, std::size_t i) {
    const char* const p = s.data();
    while (i + wordscan::kSize <= s.size() && !wordscan::hasNonAscii(wordscan::load(p + i)))
        i += wordscan::kSize;
    while (i < s.size() && static_cast<unsigned char>(p[i]) < 0x80)
        ++i;
    return i;
}

// Writes a character below U+10000 as UTF-8 and returns the end of what it wrote.
char* putUtf8(char* out, char32_t c) {
    if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Reads one UTF-8 character at i; returns false on a malformed sequence.
bool readUtf8(std::string_view s, std::size_t& i, char32_t& c) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = 0;
    if (b < 0x80) {
        c = b;
    } else if ((b & 0xE0) == 0xC0) {
        c = b & 0x1F;
        extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
        c = b & 0x0F;
        extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
        c = b & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (extra > 0 && i + extra >= s.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        const auto t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (t & 0x3F);
    }
    i += extra + 1;
    return true;
}

} // namespace

std::string cp932ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    // The characters go through a buffer that is appended in large pieces, which costs far
    // less than appending each character on its own.
    char buffer[4096];
    char* w = buffer;
    const auto flush = [&] {
        out.append(buffer, w - buffer);
        w = buffer;
    };
    const char* const p = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t i = 0;
    while (i < size) {
        const std::size_t end = asciiRunEnd(bytes, i);
        if (static_cast<std::size_t>(buffer + sizeof buffer - w) < end - i) {
            flush();
            out.append(p + i, end - i);
        } else if (end > i) {
            std::memcpy(w, p + i, end - i);
            w += end - i;
        }
        // The characters up to the next ASCII byte, all below U+10000; a step writes two of
        // them at most.
        for (i = end; i < size && static_cast<unsigned char>(p[i]) >= 0x80;) {
            if (buffer + sizeof buffer - w < 6)
                flush();
            const auto b = static_cast<unsigned char>(p[i]);
            const auto trail = i + 1 < size ? static_cast<unsigned char>(p[i + 1]) : 0;
            char32_t c = kEscapeBase + b;
            std::size_t used = 1;
            if (isHalfWidthKana(b)) {
                c = 0xFF61 + (b - 0xA1);
            } else if (isLeadByte(b)) {
                if (const char32_t pair = decodePair(b, trail); pair != 0) {
                    c = pair;
                    used = 2;
                } else if (isTrailByte(trail)) {
                    // A pair that has no character of its own (an NEC or IBM duplicate) still
                    // holds its trail byte: reading that byte as the lead of another pair would
                    // garble the characters that follow.
                    w = putUtf8(w, c);
                    c = trail < 0x80 ? trail : kEscapeBase + trail;
                    used = 2;
                }
            }
            w = putUtf8(w, c);
            i += used;
        }
    }
    flush();
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8, std::string* badChar) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t run = asciiRunEnd(utf8, i);
        out.append(utf8, i, run - i);
        i = run;
        if (i == utf8.size())
            break;
        const std::size_t start = i;
        char32_t c = 0;
        if (!readUtf8(utf8, i, c)) {
            if (badChar)
                *badChar = std::string(1, utf8[start]);
            return std::nullopt;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            out += static_cast<char>(0xA1 + (c - 0xFF61));
        } else if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
            out += static_cast<char>(c - kEscapeBase);
        } else if (const int code = encodeCharacter(c); code >= 0) {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        } else {
            if (badChar)
                *badChar = std::string(utf8.substr(start, i - start));
            return std::nullopt;
        }
    }
    return out;
}

std::string messageCannotEncode(std::string_view fieldName, std::string_view character) {
    return std::string(fieldName) + " の文字 '" + std::string(character) +
           "' はコードページ 932 で書けません";
}

std::string utf8ToCp932OrThrow(std::string_view utf8, std::string_view fieldName) {
    std::string bad;
    std::optional<std::string> bytes = utf8ToCp932(utf8, &bad);
    if (!bytes)
        throw Error(messageCannotEncode(fieldName, bad));
    return *bytes;
}

} // namespace dorva
