// Code page 932 to UTF-8 and back must give the same bytes for any input, and the one-pass
// escaped conversion must be the plain conversion escaped.
#include "formats/codec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorva;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string utf8 = cp932ToUtf8(bytes);
    const std::optional<std::string> back = utf8ToCp932(utf8);
    if (!back || *back != bytes)
        std::abort();
    std::string escaped;
    for (const char c : utf8)
        escaped += c == '\\' ? "\\\\" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    if (cp932ToEscapedUtf8(bytes) != escaped)
        std::abort();
    // Any bytes taken as UTF-8 either convert or name the character that does not.
    std::string bad;
    utf8ToCp932(bytes, &bad);
    return 0;
}
