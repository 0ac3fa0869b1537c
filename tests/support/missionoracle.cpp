#include "missionoracle.h"

#include "formats/codec.h"
#include "formats/error.h"
#include "formats/tagvalue.h"
#include "formats/textsearch.h"

#include <cstddef>

namespace missionoracle {

using namespace dorva;

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

struct TextElement {
    const char* tag;
    std::string MissionRecord::*field;
};

struct FlagElement {
    const char* tag;
    bool MissionRecord::*field;
    const char* anchor; // where the saver puts the element when the document lacks it
};

constexpr const char* kClassTags[] = {"Class0", "Class1", "Class2", "Class3", "Class4", "Class5"};

// Flags in the order the loader reads them.
constexpr FlagElement kFlags[] = {
    {"DemoRequired", &MissionRecord::demoRequired, "</BriefingImageY>"},
    {"DemoRecommend", &MissionRecord::demoRecommend, "</BriefingImageY>"},
    {"AntitankRequired", &MissionRecord::antitankRequired, "</BriefingImageY>"},
    {"AntitankRecommend", &MissionRecord::antitankRecommend, "</BriefingImageY>"},
    {"SinglePlayer", &MissionRecord::singlePlayer, "</Name>"},
    {"Coop", &MissionRecord::coop, "</Name>"},
    {"Team", &MissionRecord::team, "</Name>"},
    {"Solo", &MissionRecord::solo, "</Name>"},
    {"RequiresUnlocking", &MissionRecord::requiresUnlocking, "</Name>"},
    {"GameTypes", &MissionRecord::gameTypes, "</Name>"},
};

// Indexes into kFlags in the order the saver writes them.
constexpr std::size_t kFlagSaveOrder[] = {8, 9, 4, 5, 6, 7, 0, 1, 2, 3};

std::string elementValue(std::string_view text, std::string_view tag) {
    return tagValue(text, openTag(tag), closeTag(tag));
}

// The single byte right behind the element's opening tag: absent when the tag does not occur,
// empty when the tag ends the text.
struct CharacterRead {
    bool found = false;
    std::string character;
};

CharacterRead readCharacter(std::string_view text, std::string_view tag) {
    const std::string open = openTag(tag);
    const std::size_t p = findText(text, open);
    CharacterRead read;
    if (p == std::string_view::npos)
        return read;
    read.found = true;
    read.character = std::string(text.substr(p + open.size(), 1));
    return read;
}

bool isDigit(const std::string& character) {
    return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

void readDigit(std::string_view text, std::string_view tag, int& value) {
    const CharacterRead read = readCharacter(text, tag);
    if (!read.found)
        return;
    if (!isDigit(read.character))
        throw Error(messageNotInteger(cp932ToUtf8(read.character)));
    value = read.character[0] - '0';
}

void readFlag(std::string_view text, std::string_view tag, bool& value) {
    const CharacterRead read = readCharacter(text, tag);
    if (!read.found)
        return;
    if (!isDigit(read.character))
        throw Error(messageNotBoolean(cp932ToUtf8(read.character)));
    value = read.character[0] != '0';
}

bool contains(std::string_view text, std::string_view part) {
    return findText(text, part) != std::string_view::npos;
}

Precipitation readPrecipitation(std::string_view text) {
    // Snow wins over Rain; anything that is neither selects Clear, so no state of a previously
    // loaded file carries over.
    if (contains(text, "<Snow>1"))
        return Precipitation::Snow;
    if (contains(text, "<Rain>1"))
        return Precipitation::Rain;
    return Precipitation::Clear;
}

// The edits below change only the first occurrence of what they look for, so a later element
// with the same tag or a later copy of an anchor keeps its text.

// Puts the value in place of the old value of the element's first opening tag. False when the
// opening tag does not occur.
bool update(std::string& text, std::string_view tag, std::string_view value) {
    const ValueSpan span = findValue(text, openTag(tag), closeTag(tag));
    if (!span.openFound)
        return false;
    text.replace(span.start, span.length, value);
    return true;
}

// Turns the first empty form "<tag/>" into a complete element when the opening tag is missing.
void updateOrFill(std::string& text, std::string_view tag, std::string_view value) {
    if (update(text, tag, value))
        return;
    const std::string empty = "<" + std::string(tag) + "/>";
    const std::size_t p = findText(text, empty);
    if (p != std::string::npos)
        text.replace(p, empty.size(), openTag(tag) + std::string(value) + closeTag(tag));
}

// Puts a new line holding the element directly after the first anchor, two tabs indented.
void insertAfter(std::string& text, std::string_view anchor, std::string_view line) {
    const std::size_t p = findText(text, anchor);
    if (p != std::string::npos)
        text.insert(p + anchor.size(), "\r\n\t\t" + std::string(line));
}

void updateOrInsert(std::string& text, std::string_view tag, std::string_view value,
                    std::string_view anchor) {
    if (!update(text, tag, value))
        insertAfter(text, anchor, openTag(tag) + std::string(value) + closeTag(tag));
}

const char* flagText(bool on) {
    return on ? "1" : "0";
}

void writePrecipitationFlag(std::string& text, std::string_view tag, bool on) {
    if (!contains(text, openTag(tag)))
        insertAfter(text, "<Engine>", openTag(tag) + "0" + closeTag(tag));
    update(text, tag, flagText(on));
}

} // namespace

MissionRecord loadMission(std::string_view text) {
    static const TextElement kMapTexts[] = {
        {"Environment", &MissionRecord::environment},
        {"MapShots", &MissionRecord::mapShots},
        {"MapName", &MissionRecord::mapName},
        {"RecommendedGameTypes", &MissionRecord::recommendedGameTypes},
        {"Weather", &MissionRecord::weather},
        {"Wind", &MissionRecord::wind},
    };
    static const TextElement kBriefingTexts[] = {
        {"BriefingImage", &MissionRecord::briefingImage},
        {"BriefingCycleImage", &MissionRecord::briefingCycleImage},
        {"LocationText", &MissionRecord::locationText},
        {"DateText", &MissionRecord::dateText},
        {"TimeText", &MissionRecord::timeText},
        {"BriefingWaveFile", &MissionRecord::briefingWaveFile},
        {"Name", &MissionRecord::name},
        {"CombatPoints", &MissionRecord::combatPoints},
        {"HeroFile", &MissionRecord::heroFile},
    };

    MissionRecord record;
    for (const TextElement& element : kMapTexts)
        record.*element.field = elementValue(text, element.tag);
    readFogOverride(text, record);
    for (const TextElement& element : kBriefingTexts)
        record.*element.field = elementValue(text, element.tag);

    readDigit(text, "MapSize", record.mapSize);
    readDigit(text, "WeatherIndex", record.weatherIndex);
    for (std::size_t i = 0; i < record.classes.size(); ++i)
        readDigit(text, kClassTags[i], record.classes[i]);
    for (const FlagElement& flag : kFlags)
        readFlag(text, flag.tag, record.*flag.field);

    record.precipitation = readPrecipitation(text);
    record.briefingText = elementValue(text, "BriefingText");
    return record;
}

std::string saveMission(const MissionRecord& record, std::string_view text) {
    static const TextElement kGuardedTexts[] = {
        {"MapShots", &MissionRecord::mapShots},
        {"MapName", &MissionRecord::mapName},
        {"RecommendedGameTypes", &MissionRecord::recommendedGameTypes},
        {"BriefingImage", &MissionRecord::briefingImage},
        {"BriefingCycleImage", &MissionRecord::briefingCycleImage},
        {"LocationText", &MissionRecord::locationText},
        {"DateText", &MissionRecord::dateText},
        {"TimeText", &MissionRecord::timeText},
        {"BriefingWaveFile", &MissionRecord::briefingWaveFile},
        {"Name", &MissionRecord::name},
        {"HeroFile", &MissionRecord::heroFile},
        {"BriefingText", &MissionRecord::briefingText},
    };

    std::string out(text);
    update(out, "Environment", record.environment);
    update(out, "Wind", record.wind);
    // Name gets its closing tag here before the flags anchored on "</Name>" look for it.
    for (const TextElement& element : kGuardedTexts)
        updateOrFill(out, element.tag, record.*element.field);

    updateOrInsert(out, "Weather", record.weather, "<Engine>");
    updateOrInsert(out, "CombatPoints", record.combatPoints, "</WeatherIndex>");
    for (std::size_t i = 0; i < record.classes.size(); ++i)
        updateOrInsert(out, kClassTags[i], std::to_string(record.classes[i]), "</WeatherIndex>");
    for (const std::size_t index : kFlagSaveOrder) {
        const FlagElement& flag = kFlags[index];
        updateOrInsert(out, flag.tag, flagText(record.*flag.field), flag.anchor);
    }

    writePrecipitationFlag(out, "Rain", record.precipitation == Precipitation::Rain);
    writePrecipitationFlag(out, "Snow", record.precipitation == Precipitation::Snow);
    writeFogOverride(record, out);
    return out;
}

const std::vector<std::string MissionRecord::*>& textFields() {
    using M = MissionRecord;
    static const std::vector<std::string M::*> fields = {
        &M::environment,   &M::mapShots,
        &M::mapName,       &M::recommendedGameTypes,
        &M::weather,       &M::wind,
        &M::fogNear,       &M::fogFar,
        &M::fogSpot,       &M::fogRed,
        &M::fogGreen,      &M::fogBlue,
        &M::briefingImage, &M::briefingCycleImage,
        &M::locationText,  &M::dateText,
        &M::timeText,      &M::briefingWaveFile,
        &M::name,          &M::combatPoints,
        &M::heroFile,      &M::briefingText};
    return fields;
}

std::string describe(const MissionRecord& r) {
    std::string text;
    for (const auto field : textFields())
        text += r.*field + "\n";
    for (const bool b :
         {r.fogOverride, r.demoRequired, r.demoRecommend, r.antitankRequired, r.antitankRecommend,
          r.singlePlayer, r.coop, r.team, r.solo, r.requiresUnlocking, r.gameTypes})
        text += b ? '1' : '0';
    text += "\n" + std::to_string(r.mapSize) + " " + std::to_string(r.weatherIndex);
    for (const int c : r.classes)
        text += " " + std::to_string(c);
    return text + "\n" + std::to_string(static_cast<int>(r.precipitation)) + "\n";
}

} // namespace missionoracle
