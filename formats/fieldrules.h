#pragma once

#include <string>

namespace dorva {

struct KitRecord;
enum class Precipitation;

// Key filter of the numeric fields: digits "0" to "9" and Backspace (code 8) pass.
bool isAcceptedFieldKey(char32_t c);

// Strict decimal conversion to a 32-bit signed integer, as a field does when it is left.
// Throws Error("'%s' は整数ではありません") for anything else.
int toInteger(const std::string& text);

// Repairs on leaving a field (texts are code page 932 bytes; errors as toInteger).
std::string repairStatistic(const std::string& text);   // empty -> "1", above 255 -> "255"
std::string repairCount(const std::string& text);       // empty -> "1", above 1000 -> "1000"
std::string repairColour(const std::string& text);      // empty -> "255", above 255 -> "255"
std::string repairFogDistance(const std::string& text); // empty -> "0"

// The "GL" / "Ex Ammo" interlock, as a click on the check box leaves the page.
void setGrenadeLauncher(KitRecord& kit, bool on);
void setExtraAmmo(KitRecord& kit, bool on);
// The second item field is enabled unless "Ex Ammo" is set.
bool secondItemEnabled(const KitRecord& kit);

// "Intensity" is enabled for Rain and Snow.
bool intensityEnabled(Precipitation p);

} // namespace dorva
