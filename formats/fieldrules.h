#pragma once

#include <optional>
#include <string>

namespace dorva {

struct KitRecord;
enum class Precipitation;

// Key filter of the numeric fields: digits "0" to "9" and Backspace (code 8) pass.
bool isAcceptedFieldKey(char32_t c);

// Strict decimal conversion to a 32-bit signed integer, as a field does when it is left.
// Throws Error("'%s' は整数ではありません") for anything else.
int toInteger(const std::string& text);

// What a number field does to its text when it is left: an empty text becomes `empty`, a
// number above `limit` becomes the limit, and anything else stays as typed (leading zeros, 0
// and negative numbers included).
struct LeaveRepair {
    const char* empty;
    std::optional<int> limit;
};

inline constexpr LeaveRepair kStatisticRepair{"1", 255};
inline constexpr LeaveRepair kCountRepair{"1", 1000};
inline constexpr LeaveRepair kColourRepair{"255", 255};
inline constexpr LeaveRepair kFogDistanceRepair{"0", std::nullopt};

// The repaired text (code page 932 bytes). Throws Error as toInteger when a limit applies and
// the text is no integer.
std::string repairOnLeave(const LeaveRepair& repair, const std::string& text);

std::string repairStatistic(const std::string& text);
std::string repairCount(const std::string& text);
std::string repairColour(const std::string& text);
std::string repairFogDistance(const std::string& text);

// The "GL" / "Ex Ammo" interlock, as a click on the check box leaves the page.
void setGrenadeLauncher(KitRecord& kit, bool on);
void setExtraAmmo(KitRecord& kit, bool on);
// The second item field is enabled unless "Ex Ammo" is set.
bool secondItemEnabled(const KitRecord& kit);

// "Intensity" is enabled for Rain and Snow.
bool intensityEnabled(Precipitation p);

} // namespace dorva
