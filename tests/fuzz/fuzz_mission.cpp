// Mission files: the loader on any bytes, then the saver editing the same text, and once more
// with every field changed.
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/fieldrules.h"
#include "formats/missionfile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorva;
    const std::string text =
        normalizeLineBreaks(std::string_view(reinterpret_cast<const char*>(data), size));
    MissionRecord record;
    try {
        record = loadMission(text);
    } catch (const Error&) {
        return 0;
    }
    const std::string saved = saveMission(record, text);

    try {
        record.fogRed = repairColour(record.fogRed);
    } catch (const Error&) {
    }
    record.fogNear = repairFogDistance(record.fogNear);
    record.fogOverride = !record.fogOverride;
    record.precipitation = static_cast<Precipitation>(size % 3);
    record.name += "x";
    record.mapShots.clear();
    record.briefingText += "\r\n";
    for (int& c : record.classes)
        c = (c + 1) % 4;
    record.coop = !record.coop;
    saveMission(record, saved);
    return 0;
}
