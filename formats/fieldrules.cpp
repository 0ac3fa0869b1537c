#include "formats/fieldrules.h"

#include "formats/codec.h"
#include "formats/error.h"
#include "formats/kitfile.h"
#include "formats/missionfile.h"

#include <cstdint>
#include <limits>

namespace dorva {

bool isAcceptedFieldKey(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == 8;
}

int toInteger(const std::string& text) {
    const auto fail = [&text]() { return Error(messageNotInteger(cp932ToUtf8(text))); };
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size())
        throw fail();
    // The magnitude may reach one more than the largest int when the number is negative.
    const std::int64_t bound = negative
                                   ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw fail();
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > bound)
            throw fail();
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string repairOnLeave(const LeaveRepair& repair, const std::string& text) {
    if (text.empty())
        return repair.empty;
    if (repair.limit && toInteger(text) > *repair.limit)
        return std::to_string(*repair.limit);
    return text;
}

std::string repairStatistic(const std::string& text) {
    return repairOnLeave(kStatisticRepair, text);
}

std::string repairCount(const std::string& text) {
    return repairOnLeave(kCountRepair, text);
}

std::string repairColour(const std::string& text) {
    return repairOnLeave(kColourRepair, text);
}

std::string repairFogDistance(const std::string& text) {
    return repairOnLeave(kFogDistanceRepair, text);
}

void setGrenadeLauncher(KitRecord& kit, bool on) {
    kit.grenadeLauncher = on;
    if (on)
        setExtraAmmo(kit, false);
}

void setExtraAmmo(KitRecord& kit, bool on) {
    kit.extraAmmo = on;
    if (!on)
        return;
    kit.grenadeLauncher = false;
    kit.item2.clear();
    if (kit.count2.empty())
        kit.count2 = "1";
}

bool secondItemEnabled(const KitRecord& kit) {
    return !kit.extraAmmo;
}

bool intensityEnabled(Precipitation p) {
    return p != Precipitation::Clear;
}

} // namespace dorva
