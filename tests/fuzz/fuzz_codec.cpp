// Code page 932 to UTF-8 and back must give the same bytes for any input.
#include "formats/codec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorva;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> back = utf8ToCp932(cp932ToUtf8(bytes));
    if (!back || *back != bytes)
        std::abort();
    // Any bytes taken as UTF-8 either convert or name the character that does not.
    std::string bad;
    utf8ToCp932(bytes, &bad);
    return 0;
}
