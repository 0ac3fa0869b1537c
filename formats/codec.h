#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorva {

// Code page 932 (Shift-JIS as Windows writes it) to UTF-8 and back, losslessly: a byte that
// is not part of a character that converts both ways comes back as the reserved code point
// U+F700 plus the byte value, and converts to that byte again.
std::string cp932ToUtf8(std::string_view bytes);

// cp932ToUtf8 with each backslash, CR and LF written as a backslash and then a backslash, "r"
// or "n", as dorva-cli shows values, in the same one pass.
std::string cp932ToEscapedUtf8(std::string_view bytes);

// UTF-8 to code page 932. Empty when some character cannot be written in code page 932 (or
// the text is not valid UTF-8); badChar then receives that character in UTF-8.
std::optional<std::string> utf8ToCp932(std::string_view utf8, std::string* badChar = nullptr);

// Like utf8ToCp932, but throws Error naming the field when a character cannot be written.
std::string utf8ToCp932OrThrow(std::string_view utf8, std::string_view fieldName);

std::string messageCannotEncode(std::string_view fieldName, std::string_view character);

} // namespace dorva
