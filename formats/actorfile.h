#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace dorva {

// The elements of an Actor file that the Actor page shows, in the order the page and
// dorva-cli list them. The enumerator names are the element names.
enum class ActorElement {
    ActorName,
    ClassName,
    ArmorLevel,
    KitPath,
    ModelFace,
    BlinkFaceName,
    DesertModelFace,
    DesertBlinkFace,
    JungleModelFace,
    JungleBlinkFace,
    ModelName,
    LOD2,
    LOD3,
    LOD4,
    DesertLOD1,
    DesertLOD2,
    DesertLOD3,
    DesertLOD4,
    JungleLOD1,
    JungleLOD2,
    JungleLOD3,
    JungleLOD4,
    Weapon,
    Stamina,
    Stealth,
    Leadership,
    ScaleX,
    ScaleY,
    ScaleZ,
    HeadAttachment,
    NeckAttachment,
    SpineLowAttachment,
    SpineMidAttachment,
    LeftThighAttachment,
    RightThighAttachment,
    ActionFaceName,
    ShellFaceName,
};
inline constexpr std::size_t kActorElementCount = 37;

const char* actorElementName(ActorElement e);

// The class list and the armour list of the Actor page.
inline constexpr std::array<const char*, 4> kActorClasses = {"demolitions", "rifleman", "sniper",
                                                             "support"};
inline constexpr std::array<const char*, 4> kArmorLevels = {"None", "Light", "Medium", "Heavy"};
inline constexpr std::array<const char*, 4> kKitPathSuggestions = {"rifleman", "heavy-weapons",
                                                                   "demolitions", "sniper"};

// The Actor page's values as bytes (code page 932).
//  - ClassName: the class text; a value that is none of the four classes is kept as read.
//  - ArmorLevel: the digit text "0" to "9"; "0" to "3" are the armour list's entries, a digit
//    4 to 9 is kept as read so that a save writes it back.
struct ActorRecord {
    ActorRecord();
    std::string& operator[](ActorElement e) { return values[static_cast<std::size_t>(e)]; }
    const std::string& operator[](ActorElement e) const {
        return values[static_cast<std::size_t>(e)];
    }
    std::array<std::string, kActorElementCount> values;
};

// Reads the values from a document text by the tag value rule. Throws Error when the armour
// level character is not a decimal digit. A missing ClassName element gives the page's default
// class; a missing ArmorLevel element gives "0".
ActorRecord loadActor(std::string_view text);

// The 40-line template, every value the placeholder "base", lines ended by CR LF.
std::string actorTemplate();

// Fills the template from the record and drops the emptied optional lines.
std::string saveActor(const ActorRecord& record);

} // namespace dorva
