#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dorva {

// File names on Linux are bytes with no encoding of their own. Names made on Linux are UTF-8;
// names unpacked from an archive made on the game's home platform are code page 932. A name
// shows as UTF-8 when it is valid UTF-8 and otherwise through the lossless code page 932
// conversion (codec.h), so every name shows as some text and no byte is lost on the way.

// The length of the well-formed UTF-8 character that bytes start with, 0 when they start with
// none: shortest forms only, no surrogates, nothing past U+10FFFF.
std::size_t utf8CharLength(std::string_view bytes);

// True when bytes are all well-formed UTF-8 characters.
bool isUtf8(std::string_view bytes);

// The text (UTF-8) that shows one file name.
std::string fileNameText(std::string_view name);

// The text that shows a path: each "/"-separated name on its own, since a folder named in
// UTF-8 can hold files named in code page 932. "/" never occurs inside a code page 932
// character, so the split is safe in both encodings.
std::string pathText(std::string_view path);

// The last name of a path: what follows its last "/".
std::string_view fileNameOf(std::string_view path);

// The byte forms of a name that show as text: its UTF-8 form first, then its code page 932
// form when that differs. Which one a folder holds only the file system can tell.
std::vector<std::string> fileNameForms(std::string_view text);

} // namespace dorva
