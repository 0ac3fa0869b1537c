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

// Non-zero when some byte of the word is below n (at most 0x80). The lowest such byte is
// marked exactly; bytes above it may be marked too.
inline std::uint64_t hasLess(std::uint64_t word, unsigned char n) {
    return (word - kOnes * n) & ~word & kHighBits;
}

// Where the first byte in memory order whose high bit is set in marks (not 0) lies. On a
// big-endian machine a mark of hasByte or hasLess may then stand before the true first.
inline std::size_t firstMarked(std::uint64_t marks) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return static_cast<std::size_t>(__builtin_clzll(marks)) / kSize;
#else
    return static_cast<std::size_t>(__builtin_ctzll(marks)) / kSize;
#endif
}

inline bool hasNonAscii(std::uint64_t word) {
    return (word & kHighBits) != 0;
}

} // namespace dorva::wordscan
