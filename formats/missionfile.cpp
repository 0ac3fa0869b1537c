#include "formats/missionfile.h"

#include "formats/codec.h"
#include "formats/editedtext.h"
#include "formats/error.h"
#include "formats/fogoverride.h"
#include "formats/tagindex.h"
#include "formats/tagvalue.h"

#include <cstddef>

namespace dorva {

namespace {

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

constexpr std::size_t npos = std::string_view::npos;

// Every element whose tags the loader and saver look for.
constexpr std::string_view kTagNames[] = {
    // Text elements.
    "Environment", "MapShots", "MapName", "RecommendedGameTypes", "Weather", "Wind",
    "BriefingImage", "BriefingCycleImage", "LocationText", "DateText", "TimeText",
    "BriefingWaveFile", "Name", "CombatPoints", "HeroFile", "BriefingText",
    // Digits and flags.
    "MapSize", "WeatherIndex", "Class0", "Class1", "Class2", "Class3", "Class4", "Class5",
    "DemoRequired", "DemoRecommend", "AntitankRequired", "AntitankRecommend", "SinglePlayer",
    "Coop", "Team", "Solo", "RequiresUnlocking", "GameTypes", "Rain", "Snow",
    // Anchors of inserted elements only.
    "Engine", "BriefingImageY"};

// The names' tags and the fog element's start.
const TagNames& missionTags() {
    static const TagNames names(kTagNames, {"FogOverride"});
    return names;
}

// The value of the element by the tag value rule, from the first occurrences of its tags.
// Text is a TagIndex or an EditedText.
template <class Text> ValueSpan elementSpan(const Text& text, std::string_view tag) {
    const std::string open = openTag(tag);
    return valueBetween(text.find(open), open.size(), text.find(closeTag(tag)));
}

std::string elementValue(const TagIndex& index, std::string_view tag) {
    const ValueSpan span = elementSpan(index, tag);
    return std::string(index.text().substr(span.start, span.length));
}

// The single byte right behind the element's opening tag: absent when the tag does not occur,
// empty when the tag ends the text.
struct CharacterRead {
    bool found = false;
    std::string character;
};

CharacterRead readCharacter(const TagIndex& index, std::string_view tag) {
    const std::string open = openTag(tag);
    const std::size_t p = index.find(open);
    CharacterRead read;
    if (p == npos)
        return read;
    read.found = true;
    read.character = std::string(index.text().substr(p + open.size(), 1));
    return read;
}

bool isDigit(const std::string& character) {
    return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

void readDigit(const TagIndex& index, std::string_view tag, int& value) {
    const CharacterRead read = readCharacter(index, tag);
    if (!read.found)
        return;
    if (!isDigit(read.character))
        throw Error(messageNotInteger(cp932ToUtf8(read.character)));
    value = read.character[0] - '0';
}

void readFlag(const TagIndex& index, std::string_view tag, bool& value) {
    const CharacterRead read = readCharacter(index, tag);
    if (!read.found)
        return;
    if (!isDigit(read.character))
        throw Error(messageNotBoolean(cp932ToUtf8(read.character)));
    value = read.character[0] != '0';
}

// Whether "<tag>1" occurs anywhere, not only at the first opening tag.
bool holdsOne(const TagIndex& index, std::string_view tag) {
    const std::string open = openTag(tag);
    for (std::size_t p = index.find(open); p != npos; p = index.find(open, p + 1))
        if (index.text().substr(p + open.size(), 1) == "1")
            return true;
    return false;
}

Precipitation readPrecipitation(const TagIndex& index) {
    // Snow wins over Rain; anything that is neither selects Clear, so no state of a previously
    // loaded file carries over.
    if (holdsOne(index, "Snow"))
        return Precipitation::Snow;
    if (holdsOne(index, "Rain"))
        return Precipitation::Rain;
    return Precipitation::Clear;
}

// The edits below change only the first occurrence of what they look for, so a later element
// with the same tag or a later copy of an anchor keeps its text. Each one sees the text as the
// edits before it left it.

// Puts the value in place of the old value of the element's first opening tag. False when the
// opening tag does not occur.
bool update(EditedText& text, std::string_view tag, std::string_view value) {
    const ValueSpan span = elementSpan(text, tag);
    if (!span.openFound)
        return false;
    text.replace(span.start, span.length, value);
    return true;
}

// Turns the first empty form "<tag/>" into a complete element when the opening tag is missing.
void updateOrFill(EditedText& text, std::string_view tag, std::string_view value) {
    if (update(text, tag, value))
        return;
    const std::string empty = "<" + std::string(tag) + "/>";
    const std::size_t p = text.find(empty);
    if (p != npos)
        text.replace(p, empty.size(), openTag(tag) + std::string(value) + closeTag(tag));
}

// Puts a new line holding the element directly after the first anchor, two tabs indented.
void insertAfter(EditedText& text, std::string_view anchor, std::string_view line) {
    const std::size_t p = text.find(anchor);
    if (p != npos)
        text.insert(p + anchor.size(), "\r\n\t\t" + std::string(line));
}

void updateOrInsert(EditedText& text, std::string_view tag, std::string_view value,
                    std::string_view anchor) {
    if (!update(text, tag, value))
        insertAfter(text, anchor, openTag(tag) + std::string(value) + closeTag(tag));
}

const char* flagText(bool on) {
    return on ? "1" : "0";
}

void writePrecipitationFlag(EditedText& text, std::string_view tag, bool on) {
    if (text.find(openTag(tag)) == npos)
        insertAfter(text, "<Engine>", openTag(tag) + "0" + closeTag(tag));
    update(text, tag, flagText(on));
}

// Every value but the briefing.
MissionRecord loadValues(const TagIndex& index) {
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
        record.*element.field = elementValue(index, element.tag);
    readFogOverride(index, record);
    for (const TextElement& element : kBriefingTexts)
        record.*element.field = elementValue(index, element.tag);

    readDigit(index, "MapSize", record.mapSize);
    readDigit(index, "WeatherIndex", record.weatherIndex);
    for (std::size_t i = 0; i < record.classes.size(); ++i)
        readDigit(index, kClassTags[i], record.classes[i]);
    for (const FlagElement& flag : kFlags)
        readFlag(index, flag.tag, record.*flag.field);

    record.precipitation = readPrecipitation(index);
    return record;
}

// Lays every value of the record over the text.
void writeValues(const MissionRecord& record, EditedText& out) {
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
}

} // namespace

MissionRecord loadMission(std::string_view text) {
    const TagIndex index(text, missionTags());
    MissionRecord record = loadValues(index);
    record.briefingText = elementValue(index, "BriefingText");
    return record;
}

MissionRecord loadMissionTakingText(std::string&& text) {
    const TagIndex index(text, missionTags());
    MissionRecord record = loadValues(index);
    const ValueSpan briefing = elementSpan(index, "BriefingText");
    // A briefing that is most of the text moves to the front of the text's buffer, which then
    // becomes the briefing; a short one is copied so that no large buffer stays behind.
    if (briefing.length < text.size() / 2) {
        record.briefingText = text.substr(briefing.start, briefing.length);
        return record;
    }
    text.erase(briefing.start + briefing.length);
    text.erase(0, briefing.start);
    record.briefingText = std::move(text);
    return record;
}

std::string saveMission(const MissionRecord& record, std::string_view text) {
    EditedText out(text, missionTags());
    writeValues(record, out);
    return out.text();
}

std::string saveMissionTakingText(const MissionRecord& record, std::string&& text) {
    EditedText out(text, missionTags());
    writeValues(record, out);
    return out.textOver(std::move(text));
}

} // namespace dorva
