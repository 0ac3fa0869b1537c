#include "formats/codec.h"

#include "formats/cp932bytes.h"
#include "formats/cp932table.h"
#include "formats/error.h"

#include <cstdint>

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

// The end of the run of ASCII bytes that starts at i. Blocks of a fixed size let the compiler
// look at many bytes at once.
std::size_t asciiRunEnd(std::string_view s, std::size_t i) {
    constexpr std::size_t kBlock = 16;
    for (; i + kBlock <= s.size(); i += kBlock) {
        unsigned char any = 0;
        for (std::size_t k = i; k < i + kBlock; ++k)
            any |= static_cast<unsigned char>(s[k]);
        if (any & 0x80)
            break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80)
        ++i;
    return i;
}

// Collects UTF-8 in a small buffer and appends it to a string in pieces, which costs less than
// appending every character on its own. The last piece goes out with flush().
class Utf8Writer {
public:
    explicit Utf8Writer(std::string& out) : out_(out) {}

    void put(char32_t c) {
        if (used_ > sizeof buffer_ - 4)
            flush();
        if (c < 0x80) {
            buffer_[used_++] = static_cast<char>(c);
        } else if (c < 0x800) {
            buffer_[used_++] = static_cast<char>(0xC0 | (c >> 6));
            buffer_[used_++] = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            buffer_[used_++] = static_cast<char>(0xE0 | (c >> 12));
            buffer_[used_++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            buffer_[used_++] = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    void append(std::string_view bytes) {
        flush();
        out_.append(bytes);
    }
    void flush() {
        out_.append(buffer_, used_);
        used_ = 0;
    }

private:
    std::string& out_;
    char buffer_[512];
    std::size_t used_ = 0;
};

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
    Utf8Writer writer(out);
    // Every character of the code page is below U+10000.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t end = asciiRunEnd(bytes, i);
        if (end > i) {
            writer.append(bytes.substr(i, end - i));
            i = end;
            if (i == bytes.size())
                break;
        }
        const auto b = static_cast<unsigned char>(bytes[i]);
        const auto trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const char32_t pair = isLeadByte(b) && i + 1 < bytes.size() ? decodePair(b, trail) : 0;
        if (isHalfWidthKana(b)) {
            writer.put(0xFF61 + (b - 0xA1));
        } else if (pair != 0) {
            writer.put(pair);
            ++i;
        } else {
            writer.put(kEscapeBase + b);
            // A pair that has no character of its own (an NEC or IBM duplicate) still holds
            // its trail byte: reading that byte as the lead of another pair would garble the
            // characters that follow.
            if (isLeadByte(b) && isTrailByte(trail)) {
                writer.put(trail < 0x80 ? trail : kEscapeBase + trail);
                ++i;
            }
        }
    }
    writer.flush();
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
