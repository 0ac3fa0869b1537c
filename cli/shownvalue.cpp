#include "cli/shownvalue.h"

#include "formats/codec.h"

namespace dorva {

namespace {

constexpr std::size_t kPiece = 32 * 1024;

// A byte below 0x40 is neither the first nor the second byte of a double-byte character, so
// the text can be cut right after it and each piece converted on its own.
std::size_t pieceEnd(std::string_view value, std::size_t start) {
    if (value.size() - start <= kPiece)
        return value.size();
    for (std::size_t i = start + kPiece; i < value.size(); ++i)
        if (static_cast<unsigned char>(value[i - 1]) < 0x40)
            return i;
    return value.size();
}

} // namespace

void writeShownValue(std::ostream& out, std::string_view value) {
    for (std::size_t start = 0; start < value.size();) {
        const std::size_t end = pieceEnd(value, start);
        out << cp932ToEscapedUtf8(value.substr(start, end - start));
        start = end;
    }
}

} // namespace dorva
