// Kit files: the loader on any bytes, then the saver on what it read.
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/fieldrules.h"
#include "formats/kitfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorva;
    const std::string text =
        normalizeLineBreaks(std::string_view(reinterpret_cast<const char*>(data), size));
    KitRecord record = loadKit(text);
    const std::string saved = saveKit(record);
    if (saveKit(record) != saved)
        std::abort();
    loadKit(saved);
    try {
        record.count1 = repairCount(record.count1);
    } catch (const Error&) {
    }
    setExtraAmmo(record, size % 2 == 0);
    saveKit(record);
    return 0;
}
