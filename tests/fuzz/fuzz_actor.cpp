// Actor files: the loader on any bytes, then the saver on what it read; a saved file opens
// again (its armour level is a digit).
#include "formats/actorfile.h"
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/fieldrules.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorva;
    const std::string text =
        normalizeLineBreaks(std::string_view(reinterpret_cast<const char*>(data), size));
    ActorRecord record;
    try {
        record = loadActor(text);
    } catch (const Error&) {
        return 0;
    }
    try {
        record[ActorElement::Weapon] = repairStatistic(record[ActorElement::Weapon]);
    } catch (const Error&) {
    }
    loadActor(saveActor(record));
    return 0;
}
