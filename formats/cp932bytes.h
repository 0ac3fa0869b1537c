#pragma once

// What a byte can be in code page 932 text.
namespace dorva::cp932 {

constexpr bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

constexpr bool isHalfWidthKana(unsigned char b) {
    return b >= 0xA1 && b <= 0xDF;
}

// A byte that is no character of its own (a lone lead or trail byte, or one that no character
// uses) comes back as this code point plus the byte value; those code points are never taken
// for characters of the code page.
constexpr char32_t kEscapeBase = 0xF700;

} // namespace dorva::cp932
