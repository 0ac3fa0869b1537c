#include "bench/inputs.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace dorva::bench {

namespace {

// "山田" and "砂漠の町" in code page 932.
const std::string kYamada = "\x8e\x52\x93\x63";
const std::string kDesertTown = "\x8d\xbb\x94\x99\x82\xcc\x92\xac";

std::string num(int n) {
    return std::to_string(n);
}

std::string fill(const std::string& unit, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + unit.size());
    while (text.size() < bytes)
        text += unit;
    return text;
}

std::string actorWith(int n, const std::string& face, const std::string& lod2) {
    return "<ActorFile>\r\n"
           "\t<VersionNumber>1.00</VersionNumber>\r\n"
           "\t<ArmorLevel>" +
           num(n % 4) +
           "</ArmorLevel>\r\n"
           "\t<ActorName>" +
           kYamada + " " + num(n) +
           "</ActorName>\r\n"
           "\t<ClassName>rifleman</ClassName>\r\n"
           "\t<ModelFace>" +
           face +
           "</ModelFace>\r\n"
           "\t<BlinkFaceName>face" +
           num(n) +
           "_blink.rsb</BlinkFaceName>\r\n"
           "\t<DesertModelFace>face" +
           num(n) +
           "_d.rsb</DesertModelFace>\r\n"
           "\t<DesertBlinkFace>face" +
           num(n) +
           "_db.rsb</DesertBlinkFace>\r\n"
           "\t<JungleModelFace>face" +
           num(n) +
           "_j.rsb</JungleModelFace>\r\n"
           "\t<JungleBlinkFace>face" +
           num(n) +
           "_jb.rsb</JungleBlinkFace>\r\n"
           "\t<KitPath>rifleman</KitPath>\r\n"
           "\t<ModelName>soldier" +
           num(n % 9) +
           ".chr</ModelName>\r\n"
           "\t<LOD2>" +
           lod2 +
           "</LOD2>\r\n"
           "\t<LOD3>soldier3.chr</LOD3>\r\n"
           "\t<LOD4>soldier4.chr</LOD4>\r\n"
           "\t<DesertLOD1>desert1.chr</DesertLOD1>\r\n"
           "\t<DesertLOD2>desert2.chr</DesertLOD2>\r\n"
           "\t<DesertLOD3>desert3.chr</DesertLOD3>\r\n"
           "\t<DesertLOD4>desert4.chr</DesertLOD4>\r\n"
           "\t<JungleLOD1>jungle1.chr</JungleLOD1>\r\n"
           "\t<JungleLOD2>jungle2.chr</JungleLOD2>\r\n"
           "\t<JungleLOD3>jungle3.chr</JungleLOD3>\r\n"
           "\t<JungleLOD4>jungle4.chr</JungleLOD4>\r\n"
           "\t<Weapon>" +
           num(n % 256) +
           "</Weapon>\r\n"
           "\t<Stamina>80</Stamina>\r\n"
           "\t<Stealth>40</Stealth>\r\n"
           "\t<Leadership>12</Leadership>\r\n"
           "\t<ScaleX>1.0</ScaleX>\r\n"
           "\t<ScaleY>1.0</ScaleY>\r\n"
           "\t<ScaleZ>1.05</ScaleZ>\r\n"
           "\t<HeadAttachment>helmet.qob</HeadAttachment>\r\n"
           "\t<NeckAttachment>scarf.qob</NeckAttachment>\r\n"
           "\t<SpineLowAttachment>belt.qob</SpineLowAttachment>\r\n"
           "\t<SpineMidAttachment>vest.qob</SpineMidAttachment>\r\n"
           "\t<LeftThighAttachment>holster.qob</LeftThighAttachment>\r\n"
           "\t<RightThighAttachment>pouch.qob</RightThighAttachment>\r\n"
           "\t<ActionFaceName>face" +
           num(n) +
           "_act.rsb</ActionFaceName>\r\n"
           "\t<ShellFaceName>face" +
           num(n) +
           "_shell.rsb</ShellFaceName>\r\n"
           "</ActorFile>\r\n";
}

std::string kitWith(int n, const std::string& texture) {
    return "<KitFile>\r\n"
           "\t<VersionNumber>1.000000</VersionNumber>\r\n"
           "\t<KitTexture>" +
           texture +
           "</KitTexture>\r\n"
           "\t<Firearm SlotNumber = \"0\">\r\n"
           "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
           "\t\t<ItemFileName>rifle" +
           num(n % 12) +
           ".gun</ItemFileName>\r\n"
           "\t\t<MagazineCount>" +
           num(1 + n % 9) +
           "</MagazineCount>\r\n"
           "\t\t<GrenadeLauncher>" +
           num(n % 2) +
           "</GrenadeLauncher>\r\n"
           "\t</Firearm>\r\n"
           "\t<Firearm SlotNumber = \"1\">\r\n"
           "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
           "\t\t<ItemFileName>pistol" +
           num(n % 5) +
           ".gun</ItemFileName>\r\n"
           "\t\t<MagazineCount>3</MagazineCount>\r\n"
           "\t</Firearm>\r\n"
           "</KitFile>\r\n";
}

std::string missionWith(int n, const std::string& briefing, const std::string& objects = "") {
    return "<MissionFile>\r\n"
           "\t<VersionNumber>1.000000</VersionNumber>\r\n"
           "\t<Environment>desert</Environment>\r\n"
           "\t<MapShots>dune_shots" +
           num(n) +
           "</MapShots>\r\n"
           "\t<MapName>dune" +
           num(n) +
           "</MapName>\r\n"
           "\t<MapSize>2</MapSize>\r\n"
           "\t<RecommendedGameTypes>coop</RecommendedGameTypes>\r\n"
           "\t<Engine>\r\n"
           "\t\t<Weather>" +
           num(n % 100) +
           "</Weather>\r\n"
           "\t\t<Rain>1</Rain>\r\n"
           "\t\t<Snow>0</Snow>\r\n"
           "\t</Engine>\r\n"
           "\t<Wind>12</Wind>\r\n"
           "\t\t<FogOverride Near = \"10\" Far = \"800\" Red = \"200\" Green = \"180\" "
           "Blue = \"150\" Spot = \"50\"/>\r\n" +
           objects +
           "\t<Briefing>\r\n"
           "\t\t<BriefingImage>dune.rsb</BriefingImage>\r\n"
           "\t\t<BriefingCycleImage>dune_cycle.rsb</BriefingCycleImage>\r\n"
           "\t\t<BriefingImageY>120</BriefingImageY>\r\n"
           "\t\t<DemoRequired>1</DemoRequired>\r\n"
           "\t\t<DemoRecommend>0</DemoRecommend>\r\n"
           "\t\t<AntitankRequired>0</AntitankRequired>\r\n"
           "\t\t<AntitankRecommend>1</AntitankRecommend>\r\n"
           "\t\t<WeatherIndex>3</WeatherIndex>\r\n"
           "\t\t<CombatPoints>150</CombatPoints>\r\n"
           "\t\t<Class0>1</Class0>\r\n"
           "\t\t<Class1>1</Class1>\r\n"
           "\t\t<Class2>2</Class2>\r\n"
           "\t\t<Class3>0</Class3>\r\n"
           "\t\t<Class4>3</Class4>\r\n"
           "\t\t<Class5>2</Class5>\r\n"
           "\t\t<LocationText>" +
           kDesertTown +
           "</LocationText>\r\n"
           "\t\t<DateText>1990/08/02</DateText>\r\n"
           "\t\t<TimeText>05:30</TimeText>\r\n"
           "\t\t<BriefingWaveFile>dune" +
           num(n) +
           ".wav</BriefingWaveFile>\r\n"
           "\t\t<BriefingText>" +
           briefing +
           "</BriefingText>\r\n"
           "\t</Briefing>\r\n"
           "\t<Name>" +
           kDesertTown + " " + num(n) +
           "</Name>\r\n"
           "\t\t<RequiresUnlocking>0</RequiresUnlocking>\r\n"
           "\t\t<GameTypes>1</GameTypes>\r\n"
           "\t\t<SinglePlayer>1</SinglePlayer>\r\n"
           "\t\t<Coop>1</Coop>\r\n"
           "\t\t<Team>0</Team>\r\n"
           "\t\t<Solo>0</Solo>\r\n"
           "\t<HeroFile>hero" +
           num(n % 7) +
           ".atr</HeroFile>\r\n"
           "</MissionFile>\r\n";
}

// One briefing line: Japanese and ASCII text, about 80 bytes.
std::string briefingLine(int n) {
    return kDesertTown +
           "\x82\xf0\x90\xa7\x88\xb3\x82\xb9\x82\xe6 Secure the town before dawn, "
           "line " +
           num(n) + ".\r\n";
}

} // namespace

std::string typicalActor(int n) {
    return actorWith(n, "face" + num(n) + ".rsb", "soldier2.chr");
}

std::string typicalKit(int n) {
    return kitWith(n, "kit" + num(n) + ".rsb");
}

std::string typicalMission(int n) {
    std::string briefing;
    for (int i = 0; i < 12; ++i)
        briefing += briefingLine(i);
    return missionWith(n, briefing + "{p}End of briefing.");
}

std::string largeMission(std::size_t bytes) {
    const std::size_t frame = missionWith(0, "").size();
    std::string briefing;
    briefing.reserve(bytes);
    for (int i = 0; frame + briefing.size() < bytes; ++i)
        briefing += briefingLine(i);
    return missionWith(0, briefing + "{p}End of briefing.");
}

std::string objectMission(std::size_t bytes) {
    const std::size_t frame = typicalMission(0).size() + 2 * 13;
    std::string objects = "\t<Objects>\r\n";
    objects.reserve(bytes);
    for (int i = 0; frame + objects.size() < bytes; ++i)
        objects += "\t\t<Object Id = \"" + num(i) + "\" At = \"" + num(i % 997) + " " +
                   num(i % 89) + "\"/>\r\n";
    objects += "\t</Objects>\r\n";
    std::string briefing;
    for (int i = 0; i < 12; ++i)
        briefing += briefingLine(i);
    return missionWith(0, briefing + "{p}End of briefing.", objects);
}

std::string largeActor(std::size_t bytes) {
    const std::string value = fill("face\tbase ", bytes / 2);
    return actorWith(0, value, value);
}

std::string largeKit(std::size_t bytes) {
    return kitWith(0, fill("kit\tbase ", bytes));
}

std::size_t writeMixedFolder(const std::string& folder, int count) {
    std::filesystem::create_directories(folder);
    std::size_t total = 0;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::string bytes;
        switch (i % 3) {
        case 0:
            std::snprintf(name, sizeof name, "/unit%05d.atr", i);
            bytes = typicalActor(i);
            break;
        case 1:
            std::snprintf(name, sizeof name, "/unit%05d.kit", i);
            bytes = typicalKit(i);
            break;
        default:
            std::snprintf(name, sizeof name, "/unit%05d.mis", i);
            bytes = typicalMission(i);
            break;
        }
        writeFile(folder + name, bytes);
        total += bytes.size();
    }
    return total;
}

std::size_t writeActorFolder(const std::string& folder, int count) {
    std::filesystem::create_directories(folder);
    std::size_t total = 0;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/actor%05d.atr", i);
        const std::string bytes = typicalActor(i);
        writeFile(folder + name, bytes);
        total += bytes.size();
    }
    return total;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

} // namespace dorva::bench
