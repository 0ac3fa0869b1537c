#pragma once

#include <cstdint>
#include <cstring>

// Looking at eight bytes at once in plain C++: a text is read as 64-bit words whose bytes are
// tested together, so that long runs of ordinary text go by quickly whatever the compiler makes
// of a loop.
namespace dorva::wordscan {

constexpr std::size_t kSize = 8;
constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

inline std::uint64_t load(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, kSize);
    return word;
}

// Non-zero when some byte of the word is b.
inline std::uint64_t hasByte(std::uint64_t word, unsigned char b) {
    const std::uint64_t x = word ^ (kOnes * b);
    return (x - kOnes) & ~x & kHighBits;
}

inline bool hasNonAscii(std::uint64_t word) {
    return (word & kHighBits) != 0;
}

} // namespace dorva::wordscan
