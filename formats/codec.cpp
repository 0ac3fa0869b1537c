#include "formats/codec.h"

#include "formats/error.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <unordered_map>
#include <vector>

namespace dorva {

namespace {

constexpr char32_t kEscapeBase = 0xF700;

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
bool isHalfWidthKana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// The double-byte characters of code page 932 that convert both ways, built once from the
// system's converter. Pairs that share a character with another pair (the NEC and IBM
// duplicates) are left out so that every byte sequence survives a round trip.
class DoubleByteTable {
public:
    DoubleByteTable() {
        decode_.fill(0);
        iconv_t toUnicode = iconv_open("UTF-32LE", "CP932");
        iconv_t fromUnicode = iconv_open("CP932", "UTF-32LE");
        if (toUnicode == reinterpret_cast<iconv_t>(-1) ||
            fromUnicode == reinterpret_cast<iconv_t>(-1))
            return;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrailByte(static_cast<unsigned char>(trail)))
                    continue;
                const char32_t c = convertPair(toUnicode, lead, trail);
                if (c == 0 || (c >= kEscapeBase && c <= kEscapeBase + 0xFF))
                    continue;
                if (encodeWith(fromUnicode, c) != ((lead << 8) | trail))
                    continue;
                decode_[index(lead, trail)] = c;
                encode_.emplace(c, static_cast<std::uint16_t>((lead << 8) | trail));
            }
        }
        iconv_close(toUnicode);
        iconv_close(fromUnicode);
    }

    char32_t decode(unsigned char lead, unsigned char trail) const {
        return decode_[index(lead, trail)];
    }
    int encode(char32_t c) const {
        const auto it = encode_.find(c);
        return it == encode_.end() ? -1 : it->second;
    }

private:
    static std::size_t index(int lead, int trail) { return (lead - 0x80) * 256 + trail; }

    static char32_t convertPair(iconv_t cd, int lead, int trail) {
        char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        unsigned char out[8] = {};
        char* inPtr = in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 2;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || outLeft != 4)
            return 0;
        return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
    }

    static int encodeWith(iconv_t cd, char32_t c) {
        unsigned char in[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                               static_cast<unsigned char>(c >> 16),
                               static_cast<unsigned char>(c >> 24)};
        char out[4] = {};
        char* inPtr = reinterpret_cast<char*>(in);
        char* outPtr = out;
        std::size_t inLeft = 4;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            outLeft != 2)
            return -1;
        return (static_cast<unsigned char>(out[0]) << 8) | static_cast<unsigned char>(out[1]);
    }

    std::array<char32_t, 0x7D * 256> decode_;
    std::unordered_map<char32_t, std::uint16_t> encode_;
};

const DoubleByteTable& table() {
    static const DoubleByteTable instance;
    return instance;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
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
    // The table is built on the first double-byte character only: plain ASCII texts, such as
    // every field of a fresh page, never pay for it.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const char32_t pair = isLeadByte(b) && i + 1 < bytes.size()
                                  ? table().decode(b, static_cast<unsigned char>(bytes[i + 1]))
                                  : 0;
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (isHalfWidthKana(b)) {
            appendUtf8(out, 0xFF61 + (b - 0xA1));
        } else if (pair != 0) {
            appendUtf8(out, pair);
            ++i;
        } else {
            appendUtf8(out, kEscapeBase + b);
            // A pair that has no character of its own (an NEC or IBM duplicate) still holds
            // its trail byte: reading that byte as the lead of another pair would garble the
            // characters that follow.
            const auto trail = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
            if (isLeadByte(b) && isTrailByte(trail)) {
                if (trail < 0x80)
                    out += static_cast<char>(trail);
                else
                    appendUtf8(out, kEscapeBase + trail);
                ++i;
            }
        }
    }
    return out;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8, std::string* badChar) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
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
        } else if (const int code = table().encode(c); code >= 0) {
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
