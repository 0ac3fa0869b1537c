#include "document/fields.h"

#include "document/document.h"
#include "formats/codec.h"
#include "formats/doctext.h"
#include "formats/error.h"

#include <array>

namespace dorva {

namespace {

using Getter = std::function<std::string(const Document&)>;
using Setter = std::function<void(Document&, const std::string&)>;

std::string messageNotListEntry(const std::string& key, const std::string& value) {
    return "'" + cp932ToUtf8(value) + "' は " + key + " の選択肢にありません";
}

std::string messageNoLineBreak(const std::string& key) {
    return key + " には改行を入力できません";
}

std::string messageDisabled(const std::string& key) {
    return key + " は Ex Ammo が設定されている間は入力できません";
}

std::string flagText(bool on) {
    return on ? "1" : "0";
}

template <std::size_t N> std::vector<std::string> entriesOf(const std::array<const char*, N>& a) {
    return {a.begin(), a.end()};
}

Field text(Kind kind, const char* key, const char* caption, const char* control, Getter get,
           Setter set) {
    Field f;
    f.kind = kind;
    f.key = key;
    f.caption = caption;
    f.control = control;
    f.get = std::move(get);
    f.set = std::move(set);
    return f;
}

// A text field that takes only digits by typing.
Field digits(Field f, std::optional<LeaveRepair> repair = std::nullopt) {
    f.digitsOnly = true;
    f.repair = repair;
    return f;
}

// The same in the numeric edit control.
Field number(Field f, std::optional<LeaveRepair> repair = std::nullopt) {
    f = digits(std::move(f), repair);
    f.numericControl = true;
    return f;
}

Field browsed(Field f, const char* button, const char* filter) {
    f.browseButton = button;
    f.browseFilter = filter;
    return f;
}

Field labelled(Field f, const char* label) {
    f.label = label;
    return f;
}

// --- Actor ---

constexpr const char* kTextureFilter = "Texture Bitmap(*.rsb)|*.rsb";
constexpr const char* kCharacterFilter = "Character File(*.chr)|*.chr";
constexpr const char* kModelFilter = "Model File(*.qob)|*.qob";
constexpr const char* kItemFilter = "Support File(*.gun,*.itm,*.prj)|*.gun;*.itm;*.prj";

struct ActorControl {
    ActorElement element;
    const char* caption;
    const char* control;
    const char* browseButton = nullptr;
    const char* browseFilter = nullptr;
};

constexpr ActorControl kActorControls[] = {
    {ActorElement::ActorName, "Name", "Edit01a"},
    {ActorElement::ClassName, "Class", "Edit02a"},
    {ActorElement::ArmorLevel, "Armor", "Edit03a"},
    {ActorElement::KitPath, "Kit Path", "Edit04a"},
    {ActorElement::ModelFace, "Face", "Edit08a", "Button1", kTextureFilter},
    {ActorElement::BlinkFaceName, "Blink", "Edit09a", "Button2", kTextureFilter},
    {ActorElement::DesertModelFace, "D Face", "Edit18a", "Button7", kTextureFilter},
    {ActorElement::DesertBlinkFace, "D Blink", "Edit19a", "Button8", kTextureFilter},
    {ActorElement::JungleModelFace, "J Face", "Edit30a", "Button13", kTextureFilter},
    {ActorElement::JungleBlinkFace, "J Blink", "Edit31a", "Button14", kTextureFilter},
    {ActorElement::ModelName, "LOD1", "Edit10a", "Button3", kCharacterFilter},
    {ActorElement::LOD2, "LOD2", "Edit11a", "Button4", kCharacterFilter},
    {ActorElement::LOD3, "LOD3", "Edit12a", "Button5", kCharacterFilter},
    {ActorElement::LOD4, "LOD4", "Edit13a", "Button6", kCharacterFilter},
    {ActorElement::DesertLOD1, "D LOD1", "Edit20a", "Button9", kCharacterFilter},
    {ActorElement::DesertLOD2, "D LOD2", "Edit21a", "Button10", kCharacterFilter},
    {ActorElement::DesertLOD3, "D LOD3", "Edit22a", "Button11", kCharacterFilter},
    {ActorElement::DesertLOD4, "D LOD4", "Edit23a", "Button12", kCharacterFilter},
    {ActorElement::JungleLOD1, "J LOD1", "Edit32a", "Button15", kCharacterFilter},
    {ActorElement::JungleLOD2, "J LOD2", "Edit33a", "Button16", kCharacterFilter},
    {ActorElement::JungleLOD3, "J LOD3", "Edit34a", "Button17", kCharacterFilter},
    {ActorElement::JungleLOD4, "J LOD4", "Edit35a", "Button18", kCharacterFilter},
    {ActorElement::Weapon, "Weapon", "Edit14a"},
    {ActorElement::Stamina, "Stamina", "Edit15a"},
    {ActorElement::Stealth, "Stealth", "Edit16a"},
    {ActorElement::Leadership, "Leadership", "Edit17a"},
    {ActorElement::ScaleX, "X", "Edit05a"},
    {ActorElement::ScaleY, "Y", "Edit06a"},
    {ActorElement::ScaleZ, "Z", "Edit07a"},
    {ActorElement::HeadAttachment, "Head", "Edit24a", "Button19", kModelFilter},
    {ActorElement::NeckAttachment, "Neck", "Edit25a", "Button22", kModelFilter},
    {ActorElement::SpineLowAttachment, "Lower Spine", "Edit26a", "Button20", kModelFilter},
    {ActorElement::SpineMidAttachment, "Mid Spine", "Edit27a", "Button23", kModelFilter},
    {ActorElement::LeftThighAttachment, "Left Thigh", "Edit28a", "Button21", kModelFilter},
    {ActorElement::RightThighAttachment, "Right Thigh", "Edit29a", "Button24", kModelFilter},
    {ActorElement::ActionFaceName, "Action Face", "Edit36a", "Button31", kTextureFilter},
    {ActorElement::ShellFaceName, "Shell Face", "Edit37a", "Button32", kTextureFilter},
};
static_assert(std::size(kActorControls) == kActorElementCount);

std::vector<Field> actorFields() {
    using E = ActorElement;
    std::vector<Field> fields;
    for (const ActorControl& c : kActorControls) {
        const E e = c.element;
        Field f = text(
            Kind::Actor, actorElementName(e), c.caption, c.control,
            [e](const Document& d) { return d.actor()[e]; },
            [e](Document& d, const std::string& v) { d.actor()[e] = v; });
        f.view = [e](const Document& d) { return std::string_view(d.actor()[e]); };
        if (c.browseButton)
            f = browsed(std::move(f), c.browseButton, c.browseFilter);
        switch (e) {
        case E::ClassName:
            f.type = FieldType::TextList;
            f.entries = entriesOf(kActorClasses);
            break;
        case E::ArmorLevel:
            // Held as the digit the file holds, so a digit past the list stays as read.
            f.type = FieldType::IndexList;
            f.entries = entriesOf(kArmorLevels);
            break;
        case E::KitPath:
            f.entries = entriesOf(kKitPathSuggestions);
            break;
        case E::Weapon:
        case E::Stamina:
        case E::Stealth:
        case E::Leadership:
            f = digits(std::move(f), kStatisticRepair);
            break;
        case E::ScaleX:
        case E::ScaleY:
        case E::ScaleZ:
            f = number(std::move(f));
            break;
        default:
            break;
        }
        fields.push_back(std::move(f));
    }
    return fields;
}

// --- Kit ---

Field kitText(const char* key, const char* caption, const char* control,
              std::string KitRecord::*member) {
    Field f = text(
        Kind::Kit, key, caption, control, [member](const Document& d) { return d.kit().*member; },
        [member](Document& d, const std::string& v) { d.kit().*member = v; });
    f.view = [member](const Document& d) { return std::string_view(d.kit().*member); };
    return f;
}

Field kitFlag(const char* key, const char* caption, const char* control, bool KitRecord::*member,
              void (*click)(KitRecord&, bool)) {
    Field f = text(
        Kind::Kit, key, caption, control,
        [member](const Document& d) { return flagText(d.kit().*member); },
        [click](Document& d, const std::string& v) { click(d.kit(), v == "1"); });
    f.restore = [member](Document& d, const std::string& v) { d.kit().*member = v == "1"; };
    f.type = FieldType::Flag;
    return f;
}

std::vector<Field> kitFields() {
    Field item2 =
        browsed(labelled(kitText("Item2", "Kit 2 Item", "Edit03k", &KitRecord::item2), "Item"),
                "Button28", kItemFilter);
    item2.enabled = [](const Document& d) { return secondItemEnabled(d.kit()); };
    return {
        browsed(kitText("KitTexture", "Kit Texture", "Edit05k", &KitRecord::texture), "Button30",
                kTextureFilter),
        browsed(labelled(kitText("Item1", "Kit 1 Item", "Edit01k", &KitRecord::item1), "Item"),
                "Button26", kItemFilter),
        labelled(digits(kitText("Count1", "Kit 1 Mag Count", "Edit02k", &KitRecord::count1),
                        kCountRepair),
                 "Mag Count"),
        kitFlag("GrenadeLauncher", "GL", "GLCheckBox", &KitRecord::grenadeLauncher,
                setGrenadeLauncher),
        item2,
        labelled(digits(kitText("Count2", "Kit 2 Mag Count", "Edit04k", &KitRecord::count2),
                        kCountRepair),
                 "Mag Count"),
        kitFlag("ExtraAmmo", "Ex Ammo", "AmmoCheckBox", &KitRecord::extraAmmo, setExtraAmmo),
    };
}

// --- Mission ---

using M = MissionRecord;

Field missionText(const char* key, const char* caption, const char* control,
                  std::string M::*member) {
    Field f = text(
        Kind::Mission, key, caption, control,
        [member](const Document& d) { return d.mission().*member; },
        [member](Document& d, const std::string& v) { d.mission().*member = v; });
    f.view = [member](const Document& d) { return std::string_view(d.mission().*member); };
    return f;
}

Field missionFlag(const char* key, const char* caption, const char* control, bool M::*member) {
    Field f = text(
        Kind::Mission, key, caption, control,
        [member](const Document& d) { return flagText(d.mission().*member); },
        [member](Document& d, const std::string& v) { d.mission().*member = v == "1"; });
    f.type = FieldType::Flag;
    return f;
}

// A mission list holds the digit read from the file, 0 to 9, also past its last entry.
Field missionList(const char* key, const char* caption, const char* control,
                  std::function<int(const M&)> get, std::function<int&(M&)> member,
                  std::vector<std::string> entries) {
    Field f = text(
        Kind::Mission, key, caption, control,
        [get](const Document& d) { return std::to_string(get(d.mission())); },
        [member](Document& d, const std::string& v) { member(d.mission()) = toInteger(v); });
    f.type = FieldType::IndexList;
    f.entries = std::move(entries);
    return f;
}

const char* precipitationName(Precipitation p) {
    switch (p) {
    case Precipitation::Rain:
        return "Rain";
    case Precipitation::Snow:
        return "Snow";
    case Precipitation::Clear:
        break;
    }
    return "Clear";
}

Field precipitationField() {
    Field f = text(
        Kind::Mission, "Precipitation", "Precipitation", "RadioButton1",
        [](const Document& d) { return std::string(precipitationName(d.mission().precipitation)); },
        [](Document& d, const std::string& v) {
            for (const Precipitation p :
                 {Precipitation::Clear, Precipitation::Rain, Precipitation::Snow})
                if (v == precipitationName(p))
                    d.mission().precipitation = p;
        });
    f.type = FieldType::TextList;
    f.entries = {"Clear", "Rain", "Snow"};
    return f;
}

std::vector<Field> missionFields() {
    std::vector<Field> fields = {
        missionText("Environment", "Environment", "Edit01m", &M::environment),
        missionText("MapShots", "Map Shots", "Edit02m", &M::mapShots),
        missionText("MapName", "Map Name", "Edit03m", &M::mapName),
        labelled(missionText("RecommendedGameTypes", "Recommend Game Type", "Edit04m",
                             &M::recommendedGameTypes),
                 "Recommend\nGame Type"),
        number(missionText("Weather", "Intensity", "Edit05m", &M::weather)),
        number(missionText("Wind", "Wind", "Edit06m", &M::wind)),
        missionFlag("FogOverride", "Fog OverRide", "CheckFog", &M::fogOverride),
        number(missionText("FogNear", "Near", "Edit08m", &M::fogNear), kFogDistanceRepair),
        number(missionText("FogFar", "Far", "Edit09m", &M::fogFar), kFogDistanceRepair),
        number(missionText("FogSpot", "Spot", "Edit10m", &M::fogSpot), kFogDistanceRepair),
        digits(missionText("FogRed", "Color Red", "ColorEdit01", &M::fogRed), kColourRepair),
        digits(missionText("FogGreen", "Color Green", "ColorEdit02", &M::fogGreen), kColourRepair),
        digits(missionText("FogBlue", "Color Blue", "ColorEdit03", &M::fogBlue), kColourRepair),
        missionText("BriefingImage", "Image", "Edit11m", &M::briefingImage),
        missionText("BriefingCycleImage", "Cycle Image", "Edit12m", &M::briefingCycleImage),
        missionText("LocationText", "Location", "Edit14m", &M::locationText),
        missionText("DateText", "Date", "Edit15m", &M::dateText),
        missionText("TimeText", "Time", "Edit16m", &M::timeText),
        missionText("BriefingWaveFile", "Wav", "Edit17m", &M::briefingWaveFile),
        missionText("Name", "Name", "Edit18m", &M::name),
        number(missionText("CombatPoints", "Combat Points", "Edit19m", &M::combatPoints)),
        missionText("HeroFile", "Unlock Heros", "Edit20m", &M::heroFile),
        missionList(
            "MapSize", "Map Size", "Edit07m", [](const M& m) { return m.mapSize; },
            [](M& m) -> int& { return m.mapSize; }, entriesOf(kMapSizes)),
        missionList(
            "WeatherIndex", "Weather", "Edit13m", [](const M& m) { return m.weatherIndex; },
            [](M& m) -> int& { return m.weatherIndex; }, entriesOf(kWeatherIndexes)),
    };
    const char* const slots[] = {"Alpha 1", "Alpha 2", "Alpha 3", "Bravo 1", "Bravo 2", "Charie 1"};
    for (std::size_t slot = 0; slot < 6; ++slot) {
        const std::string key = "Class" + std::to_string(slot);
        const std::string control = "Edit" + std::to_string(21 + slot) + "m";
        fields.push_back(missionList(
            key.c_str(), slots[slot], control.c_str(),
            [slot](const M& m) { return m.classes[slot]; },
            [slot](M& m) -> int& { return m.classes[slot]; }, entriesOf(kTeamClasses)));
    }
    for (Field& flag : std::vector<Field>{
             missionFlag("DemoRequired", "Demo charges required", "CheckDemoReq", &M::demoRequired),
             missionFlag("DemoRecommend", "Demo charges recommended", "CheckDemoReco",
                         &M::demoRecommend),
             missionFlag("AntitankRequired", "AT Rocket required", "CheckRocketReq",
                         &M::antitankRequired),
             missionFlag("AntitankRecommend", "AT Rocket recommended", "CheckRocketReco",
                         &M::antitankRecommend),
             missionFlag("SinglePlayer", "Single", "CheckSP", &M::singlePlayer),
             missionFlag("Coop", "MP Coop", "CheckMC", &M::coop),
             missionFlag("Team", "MP Team", "CheckMT", &M::team),
             missionFlag("Solo", "MP Solo", "CheckMS", &M::solo),
             missionFlag("RequiresUnlocking", "Requires Unlocking", "CheckUnlock",
                         &M::requiresUnlocking),
             missionFlag("GameTypes", "Available Custom GameType", "CheckGTF", &M::gameTypes),
         })
        fields.push_back(std::move(flag));
    fields.push_back(precipitationField());
    Field briefing = text(
        Kind::Mission, "BriefingText", "Briefing Text", "BrfMemo",
        [](const Document& d) { return d.mission().briefingText; },
        [](Document& d, const std::string& v) {
            d.mission().briefingText = normalizeLineBreaks(v);
        });
    briefing.type = FieldType::Memo;
    briefing.label = "Text";
    briefing.view = [](const Document& d) { return std::string_view(d.mission().briefingText); };
    fields.push_back(std::move(briefing));
    return fields;
}

bool isFlag(const std::string& value) {
    return value == "0" || value == "1";
}

} // namespace

const std::vector<Field>& fieldsOf(Kind kind) {
    static const std::vector<Field> actor = actorFields();
    static const std::vector<Field> kit = kitFields();
    static const std::vector<Field> mission = missionFields();
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

const Field* findField(Kind kind, std::string_view key) {
    for (const Field& field : fieldsOf(kind))
        if (field.key == key)
            return &field;
    return nullptr;
}

const Field* findFieldByControl(Kind kind, std::string_view control) {
    for (const Field& field : fieldsOf(kind))
        if (field.control == control)
            return &field;
    return nullptr;
}

const Field& fieldOfControl(Kind kind, std::string_view control) {
    const Field* field = findFieldByControl(kind, control);
    if (!field)
        throw std::logic_error("no field for control " + std::string(control));
    return *field;
}

const std::string& labelText(const Field& field) {
    return field.label.empty() ? field.caption : field.label;
}

std::string fieldLabel(const Field& field) {
    return std::string(kindCaption(field.kind)) + " ページの " + field.caption;
}

void enterValue(Document& document, const Field& field, const std::string& value) {
    const bool choice = field.type != FieldType::Text && field.type != FieldType::Memo;
    if ((choice || field.enabled) && value == field.get(document))
        return;
    switch (field.type) {
    case FieldType::Text:
        if (field.enabled && !field.enabled(document) && !value.empty())
            throw Error(messageDisabled(field.key));
        if (value.find_first_of("\r\n") != std::string::npos)
            throw Error(messageNoLineBreak(field.key));
        field.set(document, field.repair ? repairOnLeave(*field.repair, value) : value);
        return;
    case FieldType::Flag:
        if (!isFlag(value))
            throw Error(messageNotBoolean(cp932ToUtf8(value)));
        break;
    case FieldType::IndexList: {
        const int index = toInteger(value);
        if (index < 0 || static_cast<std::size_t>(index) >= field.entries.size())
            throw Error(messageNotListEntry(field.key, value));
        field.set(document, std::to_string(index));
        return;
    }
    case FieldType::TextList: {
        bool listed = false;
        for (const std::string& entry : field.entries)
            listed = listed || entry == value;
        if (!listed)
            throw Error(messageNotListEntry(field.key, value));
        break;
    }
    case FieldType::Memo:
        break;
    }
    field.set(document, value);
}

} // namespace dorva
