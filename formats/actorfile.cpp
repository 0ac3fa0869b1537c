#include "formats/actorfile.h"

#include "formats/codec.h"
#include "formats/cp932bytes.h"
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/fieldrules.h"
#include "formats/tagvalue.h"

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
    // The values are read from the text as the document holds it, with CR LF line breaks.
    const std::string text = normalizeLineBreaks(document);
    ActorRecord record;
    for (std::size_t i = 0; i < kActorElementCount; ++i) {
        const auto e = static_cast<ActorElement>(i);
        const std::string name = actorElementName(e);
        const ValueSpan span = findValue(text, openTag(name), closeTag(name));
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
