#include "formats/actorfile.h"

#include "formats/codec.h"
#include "formats/cp932bytes.h"
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/fieldrules.h"
#include "formats/tagvalue.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace dorva {

namespace {

using E = ActorElement;

enum class SaveRule { Kept, Dropped, AtLeastOne };

struct TemplateLine {
    ActorElement element;
    SaveRule rule;
};

// The element lines of the template between the version line and the root end, in file order.
const std::array<TemplateLine, kActorElementCount>& templateLines() {
    static const std::array<TemplateLine, kActorElementCount> lines = {{
        {E::ArmorLevel, SaveRule::Kept},
        {E::ActorName, SaveRule::Kept},
        {E::ClassName, SaveRule::Kept},
        {E::ModelFace, SaveRule::Kept},
        {E::BlinkFaceName, SaveRule::Kept},
        {E::DesertModelFace, SaveRule::Dropped},
        {E::DesertBlinkFace, SaveRule::Dropped},
        {E::JungleModelFace, SaveRule::Dropped},
        {E::JungleBlinkFace, SaveRule::Dropped},
        {E::KitPath, SaveRule::Kept},
        {E::ModelName, SaveRule::Kept},
        {E::LOD2, SaveRule::Dropped},
        {E::LOD3, SaveRule::Dropped},
        {E::LOD4, SaveRule::Dropped},
        {E::DesertLOD1, SaveRule::Dropped},
        {E::DesertLOD2, SaveRule::Dropped},
        {E::DesertLOD3, SaveRule::Dropped},
        {E::DesertLOD4, SaveRule::Dropped},
        {E::JungleLOD1, SaveRule::Dropped},
        {E::JungleLOD2, SaveRule::Dropped},
        {E::JungleLOD3, SaveRule::Dropped},
        {E::JungleLOD4, SaveRule::Dropped},
        {E::Weapon, SaveRule::AtLeastOne},
        {E::Stamina, SaveRule::AtLeastOne},
        {E::Stealth, SaveRule::AtLeastOne},
        {E::Leadership, SaveRule::AtLeastOne},
        {E::ScaleX, SaveRule::Dropped},
        {E::ScaleY, SaveRule::Dropped},
        {E::ScaleZ, SaveRule::Dropped},
        {E::HeadAttachment, SaveRule::Dropped},
        {E::NeckAttachment, SaveRule::Dropped},
        {E::SpineLowAttachment, SaveRule::Dropped},
        {E::SpineMidAttachment, SaveRule::Dropped},
        {E::LeftThighAttachment, SaveRule::Dropped},
        {E::RightThighAttachment, SaveRule::Dropped},
        {E::ActionFaceName, SaveRule::Dropped},
        {E::ShellFaceName, SaveRule::Dropped},
    }};
    return lines;
}

const char* const kRootStart = "<ActorFile>";
const char* const kRootEnd = "</ActorFile>";
const char* const kVersionLine = "\t<VersionNumber>1.00</VersionNumber>";
const char* const kPlaceholder = "base";
const char* const kDefaultClass = "demolitions";

std::string elementLine(ActorElement e, std::string_view value) {
    const std::string name = actorElementName(e);
    return "\t" + openTag(name) + std::string(value) + closeTag(name);
}

// The armour level is the one character right after the opening tag; the closing tag is not
// looked at. Throws Error naming that character when it is not a decimal digit.
std::string armorDigit(std::string_view text, std::size_t valueStart) {
    std::size_t length = valueStart < text.size() ? 1 : 0;
    if (length == 1 && cp932::isLeadByte(static_cast<unsigned char>(text[valueStart])) &&
        valueStart + 1 < text.size())
        length = 2;
    const std::string character(text.substr(valueStart, length));
    if (character.size() != 1 || character[0] < '0' || character[0] > '9')
        throw Error(messageNotInteger(cp932ToUtf8(character)));
    return character;
}

// Names ordered by length first, so that most comparisons look at the lengths only.
bool shorterOrBefore(std::string_view a, std::string_view b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

std::optional<ActorElement> elementNamed(std::string_view name) {
    using Entry = std::pair<std::string_view, ActorElement>;
    static const std::array<Entry, kActorElementCount> byName = [] {
        std::array<Entry, kActorElementCount> all;
        for (std::size_t i = 0; i < kActorElementCount; ++i) {
            const auto e = static_cast<ActorElement>(i);
            all[i] = {actorElementName(e), e};
        }
        std::sort(all.begin(), all.end(),
                  [](const Entry& a, const Entry& b) { return shorterOrBefore(a.first, b.first); });
        return all;
    }();
    const auto it = std::lower_bound(
        byName.begin(), byName.end(), name,
        [](const Entry& entry, std::string_view n) { return shorterOrBefore(entry.first, n); });
    if (it == byName.end() || it->first != name)
        return std::nullopt;
    return it->second;
}

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Where each element's opening tag "<name>" and closing tag "</name>" first occur (npos when
// they do not), found in one pass over the text's "<" rather than a search of the whole text
// for every tag. Every occurrence of a tag starts at a "<", and its name runs to the ">".
struct FirstTags {
    std::array<std::size_t, kActorElementCount> open;
    std::array<std::size_t, kActorElementCount> close;
};

FirstTags firstTags(std::string_view text) {
    constexpr std::size_t npos = std::string_view::npos;
    FirstTags first;
    first.open.fill(npos);
    first.close.fill(npos);
    for (std::size_t at = text.find('<'); at != npos; at = text.find('<', at + 1)) {
        const bool closing = text.substr(at + 1, 1) == "/";
        const std::size_t start = at + (closing ? 2 : 1);
        std::size_t stop = start;
        while (stop < text.size() && isNameCharacter(text[stop]))
            ++stop;
        if (stop == text.size() || text[stop] != '>')
            continue;
        if (const std::optional<ActorElement> e = elementNamed(text.substr(start, stop - start))) {
            std::size_t& found = (closing ? first.close : first.open)[static_cast<std::size_t>(*e)];
            found = std::min(found, at);
        }
    }
    return first;
}

} // namespace

const char* actorElementName(ActorElement e) {
    static const std::array<const char*, kActorElementCount> names = {
        "ActorName",
        "ClassName",
        "ArmorLevel",
        "KitPath",
        "ModelFace",
        "BlinkFaceName",
        "DesertModelFace",
        "DesertBlinkFace",
        "JungleModelFace",
        "JungleBlinkFace",
        "ModelName",
        "LOD2",
        "LOD3",
        "LOD4",
        "DesertLOD1",
        "DesertLOD2",
        "DesertLOD3",
        "DesertLOD4",
        "JungleLOD1",
        "JungleLOD2",
        "JungleLOD3",
        "JungleLOD4",
        "Weapon",
        "Stamina",
        "Stealth",
        "Leadership",
        "ScaleX",
        "ScaleY",
        "ScaleZ",
        "HeadAttachment",
        "NeckAttachment",
        "SpineLowAttachment",
        "SpineMidAttachment",
        "LeftThighAttachment",
        "RightThighAttachment",
        "ActionFaceName",
        "ShellFaceName",
    };
    return names[static_cast<std::size_t>(e)];
}

ActorRecord::ActorRecord() {
    (*this)[E::ClassName] = kDefaultClass;
    (*this)[E::ArmorLevel] = "0";
}

ActorRecord loadActor(std::string_view document) {
    // The values are read from the text as the document holds it, with CR LF line breaks; a
    // text that has them already is read where it stands.
    std::string converted;
    std::string_view text = document;
    if (!hasOnlyCrLf(document)) {
        converted = normalizeLineBreaks(document);
        text = converted;
    }
    const FirstTags tags = firstTags(text);
    ActorRecord record;
    for (std::size_t i = 0; i < kActorElementCount; ++i) {
        const auto e = static_cast<ActorElement>(i);
        const std::size_t openLength = std::string_view(actorElementName(e)).size() + 2;
        const ValueSpan span = valueBetween(tags.open[i], openLength, tags.close[i]);
        if (e == E::ArmorLevel) {
            if (span.openFound)
                record[e] = armorDigit(text, span.start);
        } else if (e == E::ClassName) {
            if (span.openFound)
                record[e] = std::string(text.substr(span.start, span.length));
        } else {
            record[e] = std::string(text.substr(span.start, span.length));
        }
    }
    return record;
}

std::string actorTemplate() {
    std::string text = std::string(kRootStart) + "\r\n" + kVersionLine + "\r\n";
    for (const TemplateLine& line : templateLines())
        text += elementLine(line.element, kPlaceholder) + "\r\n";
    text += std::string(kRootEnd) + "\r\n";
    return text;
}

std::string saveActor(const ActorRecord& record) {
    std::string text = std::string(kRootStart) + "\r\n" + kVersionLine + "\r\n";
    for (const TemplateLine& line : templateLines()) {
        const std::string& value = record[line.element];
        std::string filled =
            replaceAll(elementLine(line.element, kPlaceholder), kPlaceholder, value);
        if (line.rule == SaveRule::Dropped && value.empty())
            filled = "\t";
        else if (line.rule == SaveRule::AtLeastOne && (value.empty() || value == "0"))
            filled = elementLine(line.element, "1");
        text += filled + "\r\n";
    }
    text += std::string(kRootEnd) + "\r\n";
    // Lines emptied above hold a single TAB; they are left out of the file.
    return replaceAll(text, "\t\r\n", "");
}

} // namespace dorva
