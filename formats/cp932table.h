#pragma once

#include <cstdint>

// The double-byte characters of code page 932 that convert both ways. The tables are made at
// build time from the system's converter by cp932tablegen, so that nothing is built or looked
// up at run time. Pairs that share a character with another pair (the NEC and IBM duplicates)
// are left out, so that every byte sequence survives a round trip.
namespace dorva::cp932 {

// The character of a lead and trail byte at (lead - 0x80) * 256 + trail; 0 for none, and so
// for every trail that is no trail byte, 0 included.
extern const char16_t kDecode[0x7D * 256];

// The pair of a character c, as lead * 256 + trail, is kEncode[kEncodeBlock[c >> 8]][c & 0xFF];
// 0 for none. Block 0 holds no pairs.
extern const std::uint8_t kEncodeBlock[256];
extern const std::uint16_t kEncode[][256];

} // namespace dorva::cp932
