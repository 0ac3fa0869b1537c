#include "cli/keys.h"

#include "formats/codec.h"
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/fieldrules.h"

#include <string>

namespace dorva {

namespace {

using Getter = std::function<std::string(const Page&)>;
using Setter = std::function<void(Page&, const std::string&)>;

std::string messageNotListEntry(const std::string& key, const std::string& value) {
    return "'" + cp932ToUtf8(value) + "' は " + key + " の選択肢にありません";
}

std::string messageNoLineBreak(const std::string& key) {
    return key + " には改行を入力できません";
}

std::string messageDisabledByExtraAmmo(const std::string& key) {
    return key + " は Ex Ammo が設定されている間は入力できません";
}

// One-line fields take no line break: a kit line or a template line would be split.
void requireOneLine(const std::string& key, const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos)
        throw Error(messageNoLineBreak(key));
}

bool toFlag(const std::string& value) {
    if (value == "0" || value == "1")
        return value == "1";
    throw Error(messageNotBoolean(cp932ToUtf8(value)));
}

// The entry index for a list of `count` entries.
int toListIndex(const std::string& key, const std::string& value, std::size_t count) {
    const int index = toInteger(value);
    if (index < 0 || static_cast<std::size_t>(index) >= count)
        throw Error(messageNotListEntry(key, value));
    return index;
}

std::string flagText(bool on) {
    return on ? "1" : "0";
}

// A field given the value it shows stays as it is: a list keeps a loaded value that is none of
// its entries, a check box already in that state is not clicked, and a disabled field holding
// that text is not typed into. So show's output can be given back to set.
Key acceptingShownValue(Key key) {
    const Getter get = key.get;
    const Setter set = key.set;
    key.set = [get, set](Page& p, const std::string& v) {
        if (v != get(p))
            set(p, v);
    };
    return key;
}

std::vector<Key> actorKeys() {
    std::vector<Key> keys;
    for (std::size_t i = 0; i < kActorElementCount; ++i) {
        const auto e = static_cast<ActorElement>(i);
        const std::string name = actorElementName(e);
        const Getter get = [e](const Page& p) { return p.actor[e]; };
        Setter set;
        switch (e) {
        case ActorElement::ClassName:
            set = [name](Page& p, const std::string& v) {
                for (const char* entry : kActorClasses)
                    if (v == entry) {
                        p.actor[ActorElement::ClassName] = v;
                        return;
                    }
                throw Error(messageNotListEntry(name, v));
            };
            break;
        case ActorElement::ArmorLevel:
            set = [name](Page& p, const std::string& v) {
                const int index = toListIndex(name, v, kArmorLevels.size());
                p.actor[ActorElement::ArmorLevel] = std::to_string(index);
            };
            break;
        case ActorElement::Weapon:
        case ActorElement::Stamina:
        case ActorElement::Stealth:
        case ActorElement::Leadership:
            set = [e, name](Page& p, const std::string& v) {
                requireOneLine(name, v);
                p.actor[e] = repairStatistic(v);
            };
            break;
        default:
            set = [e, name](Page& p, const std::string& v) {
                requireOneLine(name, v);
                p.actor[e] = v;
            };
            break;
        }
        const bool list = e == ActorElement::ClassName || e == ActorElement::ArmorLevel;
        keys.push_back(list ? acceptingShownValue({name, get, set}) : Key{name, get, set});
    }
    return keys;
}

Key kitText(const std::string& name, std::string KitRecord::*field,
            std::string (*repair)(const std::string&) = nullptr) {
    return {name, [field](const Page& p) { return p.kit.*field; },
            [name, field, repair](Page& p, const std::string& v) {
                requireOneLine(name, v);
                p.kit.*field = repair ? repair(v) : v;
            }};
}

std::vector<Key> kitKeys() {
    Key item2 = kitText("Item2", &KitRecord::item2);
    const Setter setItem2 = item2.set;
    // The second item field is disabled while "Ex Ammo" is set, so nothing can be put there;
    // only its "Clear" button, which stays enabled, empties it.
    item2.set = [setItem2](Page& p, const std::string& v) {
        if (!secondItemEnabled(p.kit) && !v.empty())
            throw Error(messageDisabledByExtraAmmo("Item2"));
        setItem2(p, v);
    };
    return {
        kitText("KitTexture", &KitRecord::texture),
        kitText("Item1", &KitRecord::item1),
        kitText("Count1", &KitRecord::count1, repairCount),
        acceptingShownValue(
            {"GrenadeLauncher", [](const Page& p) { return flagText(p.kit.grenadeLauncher); },
             [](Page& p, const std::string& v) { setGrenadeLauncher(p.kit, toFlag(v)); }}),
        acceptingShownValue(item2),
        kitText("Count2", &KitRecord::count2, repairCount),
        acceptingShownValue(
            {"ExtraAmmo", [](const Page& p) { return flagText(p.kit.extraAmmo); },
             [](Page& p, const std::string& v) { setExtraAmmo(p.kit, toFlag(v)); }}),
    };
}

Key missionText(const std::string& name, std::string MissionRecord::*field,
                std::string (*repair)(const std::string&) = nullptr) {
    return {name, [field](const Page& p) { return p.mission.*field; },
            [name, field, repair](Page& p, const std::string& v) {
                requireOneLine(name, v);
                p.mission.*field = repair ? repair(v) : v;
            }};
}

Key missionFlag(const std::string& name, bool MissionRecord::*field) {
    return {name, [field](const Page& p) { return flagText(p.mission.*field); },
            [field](Page& p, const std::string& v) { p.mission.*field = toFlag(v); }};
}

Key missionList(const std::string& name, int MissionRecord::*field, std::size_t count) {
    return acceptingShownValue({name,
                                [field](const Page& p) { return std::to_string(p.mission.*field); },
                                [name, field, count](Page& p, const std::string& v) {
                                    p.mission.*field = toListIndex(name, v, count);
                                }});
}

Key missionClass(std::size_t slot) {
    const std::string name = "Class" + std::to_string(slot);
    return acceptingShownValue(
        {name, [slot](const Page& p) { return std::to_string(p.mission.classes[slot]); },
         [name, slot](Page& p, const std::string& v) {
             p.mission.classes[slot] = toListIndex(name, v, kTeamClasses.size());
         }});
}

const char* precipitationName(Precipitation p) {
    switch (p) {
    case Precipitation::Clear:
        return "Clear";
    case Precipitation::Rain:
        return "Rain";
    case Precipitation::Snow:
        return "Snow";
    }
    return "";
}

Key precipitationKey() {
    return {"Precipitation",
            [](const Page& p) { return std::string(precipitationName(p.mission.precipitation)); },
            [](Page& p, const std::string& v) {
                for (const Precipitation choice :
                     {Precipitation::Clear, Precipitation::Rain, Precipitation::Snow})
                    if (v == precipitationName(choice)) {
                        p.mission.precipitation = choice;
                        return;
                    }
                throw Error(messageNotListEntry("Precipitation", v));
            }};
}

std::vector<Key> missionKeys() {
    using M = MissionRecord;
    std::vector<Key> keys = {
        missionText("Environment", &M::environment),
        missionText("MapShots", &M::mapShots),
        missionText("MapName", &M::mapName),
        missionText("RecommendedGameTypes", &M::recommendedGameTypes),
        missionText("Weather", &M::weather),
        missionText("Wind", &M::wind),
        missionFlag("FogOverride", &M::fogOverride),
        missionText("FogNear", &M::fogNear, repairFogDistance),
        missionText("FogFar", &M::fogFar, repairFogDistance),
        missionText("FogSpot", &M::fogSpot, repairFogDistance),
        missionText("FogRed", &M::fogRed, repairColour),
        missionText("FogGreen", &M::fogGreen, repairColour),
        missionText("FogBlue", &M::fogBlue, repairColour),
        missionText("BriefingImage", &M::briefingImage),
        missionText("BriefingCycleImage", &M::briefingCycleImage),
        missionText("LocationText", &M::locationText),
        missionText("DateText", &M::dateText),
        missionText("TimeText", &M::timeText),
        missionText("BriefingWaveFile", &M::briefingWaveFile),
        missionText("Name", &M::name),
        missionText("CombatPoints", &M::combatPoints),
        missionText("HeroFile", &M::heroFile),
        missionList("MapSize", &M::mapSize, kMapSizes.size()),
        missionList("WeatherIndex", &M::weatherIndex, kWeatherIndexes.size()),
    };
    for (std::size_t slot = 0; slot < 6; ++slot)
        keys.push_back(missionClass(slot));
    for (const Key& flag : {
             missionFlag("DemoRequired", &M::demoRequired),
             missionFlag("DemoRecommend", &M::demoRecommend),
             missionFlag("AntitankRequired", &M::antitankRequired),
             missionFlag("AntitankRecommend", &M::antitankRecommend),
             missionFlag("SinglePlayer", &M::singlePlayer),
             missionFlag("Coop", &M::coop),
             missionFlag("Team", &M::team),
             missionFlag("Solo", &M::solo),
             missionFlag("RequiresUnlocking", &M::requiresUnlocking),
             missionFlag("GameTypes", &M::gameTypes),
         })
        keys.push_back(flag);
    keys.push_back(precipitationKey());
    // The briefing memo takes several lines; they are held with CR LF breaks like the document.
    keys.push_back(
        {"BriefingText", [](const Page& p) { return p.mission.briefingText; },
         [](Page& p, const std::string& v) { p.mission.briefingText = normalizeLineBreaks(v); }});
    return keys;
}

} // namespace

const std::vector<Key>& keysOf(Kind kind) {
    static const std::vector<Key> actor = actorKeys();
    static const std::vector<Key> kit = kitKeys();
    static const std::vector<Key> mission = missionKeys();
    switch (kind) {
    case Kind::Actor:
        return actor;
    case Kind::Kit:
        return kit;
    case Kind::Mission:
        break;
    }
    return mission;
}

const Key* findKey(Kind kind, std::string_view name) {
    for (const Key& key : keysOf(kind))
        if (key.name == name)
            return &key;
    return nullptr;
}

} // namespace dorva
