#include "formats/fogoverride.h"

#include "formats/tagvalue.h"
#include "formats/textsearch.h"

#include <cstddef>

namespace dorva {

namespace {

constexpr std::string_view kWord = "FogOverride";
constexpr std::string_view kElementStart = "<FogOverride";
constexpr std::string_view kElementEnd = "/>";
constexpr std::string_view kWindClose = "</Wind>";
constexpr std::string_view kDefaultElement =
    "\r\n\t\t<FogOverride Near = \"0\" Far = \"80\" Red = \"240\" Green = \"240\" Blue = \"240\" "
    "Spot = \"100\"/>";

struct Region {
    bool found = false;
    std::size_t start = 0;
    std::size_t length = 0;
};

// From the first "<FogOverride" through the first "/>" after it, or to the end of the text.
Region fogElement(std::string_view text) {
    Region region;
    const std::size_t start = findText(text, kElementStart);
    if (start == std::string_view::npos)
        return region;
    region.found = true;
    region.start = start;
    const std::size_t end = findText(text, kElementEnd, start + kElementStart.size());
    region.length =
        end == std::string_view::npos ? text.size() - start : end + kElementEnd.size() - start;
    return region;
}

struct Attribute {
    std::string_view open;
    std::string_view close;
    std::string MissionRecord::*field;
};

} // namespace

void readFogOverride(std::string_view text, MissionRecord& record) {
    // The markers overlap the attribute names so that each value ends at the next attribute.
    static const Attribute kAttributes[] = {
        {"Red = \"", "\" Gr", &MissionRecord::fogRed},
        {"een = \"", "\" Bl", &MissionRecord::fogGreen},
        {"lue = \"", "\" Sp", &MissionRecord::fogBlue},
        {"Near = \"", "\" Fa", &MissionRecord::fogNear},
        {"Far = \"", "\" Re", &MissionRecord::fogFar},
        {"Spot = \"", "\"/>", &MissionRecord::fogSpot},
    };
    if (findText(text, kWord) == std::string_view::npos)
        return;
    record.fogOverride = true;
    const Region region = fogElement(text);
    const std::string_view element =
        region.found ? text.substr(region.start, region.length) : std::string_view();
    for (const Attribute& attribute : kAttributes)
        record.*attribute.field = tagValue(element, attribute.open, attribute.close);
}

void writeFogOverride(const MissionRecord& record, std::string& text) {
    static const Attribute kAttributes[] = {
        {"Near = \"", "\" Far", &MissionRecord::fogNear},
        {" Far = \"", "\" Red", &MissionRecord::fogFar},
        {"Spot = \"", "\"/>", &MissionRecord::fogSpot},
        {" Red = \"", "\" Gre", &MissionRecord::fogRed},
        {"reen = \"", "\" Blu", &MissionRecord::fogGreen},
        {"Blue = \"", "\" Spo", &MissionRecord::fogBlue},
    };
    if (!record.fogOverride)
        return;
    if (findText(text, kWord) == std::string::npos) {
        const std::size_t wind = findText(text, kWindClose);
        if (wind != std::string::npos)
            text.insert(wind + kWindClose.size(), kDefaultElement);
    }
    for (const Attribute& attribute : kAttributes) {
        // Each write may move the element's end, so the region is found again every time.
        const Region region = fogElement(text);
        if (!region.found)
            return;
        const std::string_view element = std::string_view(text).substr(region.start, region.length);
        const ValueSpan span = findValue(element, attribute.open, attribute.close);
        if (span.openFound)
            text.replace(region.start + span.start, span.length, record.*attribute.field);
    }
}

} // namespace dorva
