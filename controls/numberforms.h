#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dorva {

// The text forms of the numeric edit field. Texts are bytes; any byte of 128 or above is a
// character that is neither a digit nor a sign, so UTF-8 and code page 932 texts behave alike.
// width is the number of hexadecimal digits shown (2, 4 or 8).

// Drops every character of code 32 or above that is not a decimal digit (control characters
// stay).
std::string filterDecimal(std::string_view text);

// The same, sparing also the hexadecimal letters in either case.
std::string filterHex(std::string_view text);

// Turns any text into a valid number: "$" and width upper-case hexadecimal digits when the text
// begins with "$", else the decimal form. Texts that are not numbers in range give zero.
std::string normalizeNumber(std::string_view text, int width);

// Puts "_" between groups of four characters counted from the right, after an optional "$".
std::string insertSeparators(std::string_view text);

// Deletes every "_".
std::string removeSeparators(std::string_view text);

// Reads an integer the way the field's conversions do: an optional "-" and decimal digits within
// the 32-bit signed range, or "$" and hexadecimal digits up to FFFFFFFF (taken as two's
// complement). Anything else gives no value.
std::optional<std::int32_t> parseInteger(std::string_view text);

// "-123", "0", "2147483647".
std::string decimalForm(std::int32_t n);

// "$" and n in upper-case hexadecimal, padded with zeros to width; a negative n always shows its
// eight-digit two's complement, and a wider value keeps all its digits.
std::string hexForm(std::int32_t n, int width);

} // namespace dorva
