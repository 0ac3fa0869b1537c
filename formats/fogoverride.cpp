#include "formats/fogoverride.h"

#include "formats/tagvalue.h"

#include <cstddef>
#include <string>

namespace dorva {

namespace {

constexpr std::size_t npos = std::string_view::npos;
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
// Text is a TagIndex or an EditedText.
template <class Text> Region fogElement(const Text& text) {
    Region region;
    const std::size_t start = text.find(kElementStart);
    if (start == npos)
        return region;
    region.found = true;
    region.start = start;
    const std::size_t end = text.find(kElementEnd, start + kElementStart.size());
    region.length = end == npos ? text.size() - start : end + kElementEnd.size() - start;
    return region;
}

// Whether the word occurs anywhere. The element's start holds the word, so the whole text is
// searched for the word alone only when there is no element.
template <class Text> bool holdsWord(const Text& text) {
    return text.find(kElementStart) != npos || text.find(kWord) != npos;
}

struct Attribute {
    std::string_view open;
    std::string_view close;
    std::string MissionRecord::*field;
};

} // namespace

void readFogOverride(const TagIndex& index, MissionRecord& record) {
    // The markers overlap the attribute names so that each value ends at the next attribute.
    static const Attribute kAttributes[] = {
        {"Red = \"", "\" Gr", &MissionRecord::fogRed},
        {"een = \"", "\" Bl", &MissionRecord::fogGreen},
        {"lue = \"", "\" Sp", &MissionRecord::fogBlue},
        {"Near = \"", "\" Fa", &MissionRecord::fogNear},
        {"Far = \"", "\" Re", &MissionRecord::fogFar},
        {"Spot = \"", "\"/>", &MissionRecord::fogSpot},
    };
    if (!holdsWord(index))
        return;
    record.fogOverride = true;
    const Region region = fogElement(index);
    const std::string_view element =
        region.found ? index.text().substr(region.start, region.length) : std::string_view();
    for (const Attribute& attribute : kAttributes)
        record.*attribute.field = tagValue(element, attribute.open, attribute.close);
}

void writeFogOverride(const MissionRecord& record, EditedText& text) {
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
    if (!holdsWord(text)) {
        const std::size_t wind = text.find(kWindClose);
        if (wind != npos)
            text.insert(wind + kWindClose.size(), kDefaultElement);
    }
    for (const Attribute& attribute : kAttributes) {
        // Each write may move the element's end, so the region is found again every time.
        const Region region = fogElement(text);
        if (!region.found)
            return;
        const std::string element = text.substr(region.start, region.length);
        const ValueSpan span = findValue(element, attribute.open, attribute.close);
        if (span.openFound)
            text.replace(region.start + span.start, span.length, record.*attribute.field);
    }
}

} // namespace dorva
