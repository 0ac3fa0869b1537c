#pragma once

#include <array>
#include <string>
#include <string_view>

namespace dorva {

enum class Precipitation { Clear, Rain, Snow };

inline constexpr std::array<const char*, 4> kMapSizes = {"Non Specified", "Small", "Medium",
                                                         "Large"};
inline constexpr std::array<const char*, 8> kWeatherIndexes = {
    "sunny",         "partly-cloudy",         "cloudy", "rain", "snow",
    "clear (night)", "partly-cloudy (night)", "foggy"};
inline constexpr std::array<const char*, 4> kTeamClasses = {"Demolitions", "Rifleman", "Sniper",
                                                            "Support"};

// The Mission page's values as bytes (code page 932). Defaults are those of a fresh page.
struct MissionRecord {
    std::string environment;          // Edit01m
    std::string mapShots;             // Edit02m
    std::string mapName;              // Edit03m
    std::string recommendedGameTypes; // Edit04m
    std::string weather;              // Edit05m "Intensity"
    std::string wind;                 // Edit06m
    bool fogOverride = false;         // CheckFog
    std::string fogNear = "0";        // Edit08m
    std::string fogFar = "0";         // Edit09m
    std::string fogSpot = "0";        // Edit10m
    std::string fogRed = "255";       // ColorEdit01
    std::string fogGreen = "255";     // ColorEdit02
    std::string fogBlue = "255";      // ColorEdit03
    std::string briefingImage;        // Edit11m
    std::string briefingCycleImage;   // Edit12m
    std::string locationText;         // Edit14m
    std::string dateText;             // Edit15m
    std::string timeText;             // Edit16m
    std::string briefingWaveFile;     // Edit17m
    std::string name;                 // Edit18m
    std::string combatPoints;         // Edit19m
    std::string heroFile;             // Edit20m
    // The digit read from the file, 0 to 9. Values past a list's last entry are kept as read.
    int mapSize = 0;                                    // Edit07m, not written back
    int weatherIndex = 0;                               // Edit13m, not written back
    std::array<int, 6> classes{};                       // Class0..Class5: Edit21m..Edit26m
    bool demoRequired = false;                          // CheckDemoReq
    bool demoRecommend = false;                         // CheckDemoReco
    bool antitankRequired = false;                      // CheckRocketReq
    bool antitankRecommend = false;                     // CheckRocketReco
    bool singlePlayer = false;                          // CheckSP
    bool coop = false;                                  // CheckMC
    bool team = false;                                  // CheckMT
    bool solo = false;                                  // CheckMS
    bool requiresUnlocking = false;                     // CheckUnlock
    bool gameTypes = false;                             // CheckGTF
    Precipitation precipitation = Precipitation::Clear; // RadioButton1..3
    std::string briefingText;                           // BrfMemo, CR LF line breaks
};

// Reads the values from a document text (line breaks already CR LF). Throws Error with the
// integer or Boolean conversion message when a digit or flag element holds no decimal digit.
MissionRecord loadMission(std::string_view text);
// The same for a text that is not needed afterwards: a briefing of megabytes takes over the
// text's bytes instead of being copied.
MissionRecord loadMissionTakingText(std::string&& text);

// Writes the record's values into the document text and returns the edited text.
std::string saveMission(const MissionRecord& record, std::string_view text);
// The same for a text that is not needed afterwards: the edited text is written over its bytes
// instead of into a second buffer of its size.
std::string saveMissionTakingText(const MissionRecord& record, std::string&& text);

} // namespace dorva
