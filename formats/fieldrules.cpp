#include "formats/fieldrules.h"

#include "formats/codec.h"
#include "formats/error.h"
#include "formats/kitfile.h"
#include "formats/missionfile.h"

#include <cstdint>
#include <limits>

namespace dorva {

namespace {

// Replaces the text by `limit` when its number is above the limit; any other number stays as
// typed (leading zeros, 0 and negative values included).
std::string capAt(const std::string& text, int limit, const char* limitText) {
    return toInteger(text) > limit ? std::string(limitText) : text;
}

} // namespace

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

std::string repairStatistic(const std::string& text) {
    return text.empty() ? std::string("1") : capAt(text, 255, "255");
}

std::string repairCount(const std::string& text) {
    return text.empty() ? std::string("1") : capAt(text, 1000, "1000");
}

std::string repairColour(const std::string& text) {
    return text.empty() ? std::string("255") : capAt(text, 255, "255");
}

std::string repairFogDistance(const std::string& text) {
    return text.empty() ? std::string("0") : text;
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
