// Writes the code page 932 tables (cp932table.h) as a C++ source file, from the system's
// converter. Run by the build; the program itself never calls the converter.
#include "formats/cp932bytes.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <iostream>
#include <vector>

namespace {

using namespace dorva::cp932;

// A conversion descriptor that is closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (ok())
            iconv_close(cd_);
    }
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; false unless it converts whole into exactly outSize bytes.
    bool convert(char* in, std::size_t inSize, char* out, std::size_t outSize) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::size_t inLeft = inSize;
        std::size_t outLeft = outSize + 4; // room to notice a longer result
        std::vector<char> buffer(outLeft);
        char* outPtr = buffer.data();
        if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || outLeft != 4)
            return false;
        std::copy(buffer.begin(), buffer.begin() + outSize, out);
        return true;
    }

private:
    iconv_t cd_;
};

// The character of a pair, 0 when it has none.
char32_t decodePair(Converter& toUnicode, int lead, int trail) {
    char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    unsigned char out[4] = {};
    if (!toUnicode.convert(in, 2, reinterpret_cast<char*>(out), 4))
        return 0;
    return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
}

// The pair that a character converts to, -1 when it is no pair.
int encodeCharacter(Converter& fromUnicode, char32_t c) {
    char in[4] = {static_cast<char>(c), static_cast<char>(c >> 8), static_cast<char>(c >> 16),
                  static_cast<char>(c >> 24)};
    unsigned char out[2] = {};
    if (!fromUnicode.convert(in, 4, reinterpret_cast<char*>(out), 2))
        return -1;
    return (out[0] << 8) | out[1];
}

void writeArray(std::ostream& out, const std::uint16_t* values, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%04X,", values[i]);
        out << (i % 12 == 0 ? "\n    " : " ") << text;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: cp932tablegen OUTPUT.cpp\n";
        return 2;
    }
    Converter toUnicode("UTF-32LE", "CP932");
    Converter fromUnicode("CP932", "UTF-32LE");
    if (!toUnicode.ok() || !fromUnicode.ok()) {
        std::cerr << "cp932tablegen: the system has no converter for code page 932\n";
        return 1;
    }

    std::vector<std::uint16_t> decode(0x7D * 256, 0);
    std::array<std::array<std::uint16_t, 256>, 256> encode{};
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(static_cast<unsigned char>(trail)))
                continue;
            const char32_t c = decodePair(toUnicode, lead, trail);
            if (c == 0 || (c >= kEscapeBase && c <= kEscapeBase + 0xFF))
                continue;
            const int pair = (lead << 8) | trail;
            if (c > 0xFFFF || encodeCharacter(fromUnicode, c) != pair)
                continue;
            decode[(lead - 0x80) * 256 + trail] = static_cast<std::uint16_t>(c);
            encode[c >> 8][c & 0xFF] = static_cast<std::uint16_t>(pair);
        }
    }

    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Made by cp932tablegen at build time.\n"
           "#include \"formats/cp932table.h\"\n\n"
           "namespace dorva::cp932 {\n\n"
           "const char16_t kDecode[0x7D * 256] = {";
    writeArray(out, decode.data(), decode.size());
    out << "\n};\n\nconst std::uint8_t kEncodeBlock[256] = {";
    // Block 0 is empty; every range of 256 characters that holds a pair gets its own.
    const std::array<std::uint16_t, 256> none{};
    std::vector<const std::array<std::uint16_t, 256>*> blocks = {&none};
    std::vector<std::uint16_t> blockOf(256, 0);
    for (int high = 0; high < 256; ++high) {
        if (encode[high] == none)
            continue;
        blockOf[high] = static_cast<std::uint16_t>(blocks.size());
        blocks.push_back(&encode[high]);
    }
    if (blocks.size() > 256) {
        std::cerr << "cp932tablegen: too many blocks for one byte\n";
        return 1;
    }
    writeArray(out, blockOf.data(), blockOf.size());
    out << "\n};\n\nconst std::uint16_t kEncode[][256] = {";
    for (const auto* block : blocks) {
        out << "\n{";
        writeArray(out, block->data(), block->size());
        out << "\n},";
    }
    out << "\n};\n\n} // namespace dorva::cp932\n";
    out.close();
    if (!out) {
        std::cerr << "cp932tablegen: cannot write " << argv[1] << "\n";
        return 1;
    }
}
