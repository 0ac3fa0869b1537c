#include "formats/textsearch.h"

#include <string.h>

namespace dorva {

std::size_t findText(std::string_view text, std::string_view part, std::size_t from) {
    if (from > text.size())
        return std::string_view::npos;
    if (part.empty())
        return from;
    // An empty view may have no storage at all, which memmem must not be given.
    if (part.size() > text.size() - from)
        return std::string_view::npos;
    const void* hit = memmem(text.data() + from, text.size() - from, part.data(), part.size());
    return hit ? static_cast<const char*>(hit) - text.data() : std::string_view::npos;
}

} // namespace dorva
