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
inline char* putUtf8(char* out, char32_t c) {
    if (c >= 0x800) {
        *out++ = static_cast<char>(0xE0 | (c >> 12));
        *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x80) {
        *out++ = static_cast<char>(c);
    } else {
        *out++ = static_cast<char>(0xC0 | (c >> 6));
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

// The escapes of a value as dorva-cli shows it: a backslash, CR and LF become two characters.
bool needsEscape(unsigned char b) {
    return b == '\\' || b == '\r' || b == '\n';
}

char* putAscii(char* out, unsigned char b, bool escapes) {
    if (escapes && needsEscape(b)) {
        *out++ = '\\';
        *out++ = b == '\\' ? '\\' : b == '\r' ? 'r' : 'n';
    } else {
        *out++ = static_cast<char>(b);
    }
    return out;
}

// The conversion, with or without the escapes, in one pass. The output goes through a buffer
// that is appended in large pieces, which costs far less than appending each character.
template <bool kEscapes> std::string convertToUtf8(std::string_view bytes) {
    using namespace wordscan;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    constexpr std::size_t kBuffer = 4096;
    char buffer[kBuffer + 8]; // a step writes 6 bytes at most past the limit
    char* w = buffer;
    const char* const p = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t i = 0;
    while (i < size) {
        if (w >= buffer + kBuffer) {
            out.append(buffer, w - buffer);
            w = buffer;
        }
        const auto b = static_cast<unsigned char>(p[i]);
        if (b < 0x80) {
            // Runs of plain ASCII go eight bytes at a time, up to the first byte that may not
            // be copied as it is.
            while (i + kSize <= size && w + kSize <= buffer + kBuffer) {
                const std::uint64_t word = load(p + i);
                std::uint64_t stops = word & kHighBits;
                // Any control character stops the run too, which is a cheaper test than one
                // for CR and LF; putAscii then escapes only what needs it.
                if (kEscapes)
                    stops |= hasByte(word, '\\') | hasLess(word, '\r' + 1);
                std::memcpy(w, &word, kSize);
                const std::size_t taken = stops == 0 ? kSize : firstMarked(stops);
                w += taken;
                i += taken;
                if (taken < kSize)
                    break;
            }
            if (i < size && static_cast<unsigned char>(p[i]) < 0x80)
                w = putAscii(w, static_cast<unsigned char>(p[i++]), kEscapes);
            continue;
        }
        // Runs of double-byte characters, most of Japanese text, in a loop of their own. Every
        // pair whose first byte is no lead byte has no character in the table.
        while (i + 1 < size && w < buffer + kBuffer &&
               static_cast<unsigned char>(p[i]) - 0x80u <= 0xFCu - 0x80u) {
            const char32_t pair =
                decodePair(static_cast<unsigned char>(p[i]), static_cast<unsigned char>(p[i + 1]));
            if (pair == 0)
                break;
            w = putUtf8(w, pair);
            i += 2;
        }
        if (i == size || w >= buffer + kBuffer || static_cast<unsigned char>(p[i]) < 0x80)
            continue;
        const auto lead = static_cast<unsigned char>(p[i]);
        const auto trail = i + 1 < size ? static_cast<unsigned char>(p[i + 1]) : 0;
        if (isLeadByte(lead) && isTrailByte(trail)) {
            // A pair that has no character of its own (an NEC or IBM duplicate) still holds its
            // trail byte: reading that byte as the lead of another pair would garble the
            // characters that follow.
            w = putUtf8(w, kEscapeBase + lead);
            w = trail < 0x80 ? putAscii(w, trail, kEscapes) : putUtf8(w, kEscapeBase + trail);
            i += 2;
            continue;
        }
        w = putUtf8(w, isHalfWidthKana(lead) ? 0xFF61 + (lead - 0xA1) : kEscapeBase + lead);
        ++i;
    }
    out.append(buffer, w - buffer);
    return out;
}

} // namespace

std::string cp932ToUtf8(std::string_view bytes) {
    return convertToUtf8<false>(bytes);
}

std::string cp932ToEscapedUtf8(std::string_view bytes) {
    return convertToUtf8<true>(bytes);
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
