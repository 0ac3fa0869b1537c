#pragma once

#include <ostream>
#include <string_view>

namespace dorva {

// Writes a value (code page 932 bytes) as show prints it: UTF-8 in the one-line form that
// unescapeValue reads back. A long value goes out piece by piece, so a briefing of megabytes never
// needs copies of its own size.
void writeShownValue(std::ostream& out, std::string_view value);

} // namespace dorva
