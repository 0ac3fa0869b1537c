#include "cli/help.h"

#include "cli/keys.h"

namespace dorva {

std::string keyListHelp(Kind kind) {
    constexpr std::size_t width = 96;
    const std::string indent = "    ";
    std::string text = std::string("  ") + kindName(kind) + " keys:\n";
    std::string line = indent;
    const auto& keys = keysOf(kind);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string item = keys[i].name + (i + 1 < keys.size() ? "," : "");
        if (line.size() > indent.size() && line.size() + 1 + item.size() > width) {
            text += line + "\n";
            line = indent;
        }
        if (line.size() > indent.size())
            line += ' ';
        line += item;
    }
    return text + line + "\n";
}

std::string valueHelp() {
    return "Values:\n"
           "  Values are UTF-8 on the command line and in the output; files hold code page 932,\n"
           "  and a character that code page 932 cannot hold is an error.\n"
           "  In KEY=VALUE output and arguments a backslash is written \\\\, CR \\r and LF \\n;\n"
           "  only BriefingText takes line breaks. show --json prints plain JSON strings.\n"
           "  Each value is taken as if pasted into its field and the field then left:\n"
           "  Weapon, Stamina, Stealth, Leadership: empty gives 1, above 255 gives 255;\n"
           "  Count1, Count2: empty gives 1, above 1000 gives 1000;\n"
           "  FogRed, FogGreen, FogBlue: empty gives 255, above 255 gives 255;\n"
           "  FogNear, FogFar, FogSpot: empty gives 0.\n"
           "  Flags (GrenadeLauncher, ExtraAmmo, FogOverride, DemoRequired ... GameTypes) take\n"
           "  0 or 1 and act as a click: GrenadeLauncher=1 clears ExtraAmmo; ExtraAmmo=1 clears\n"
           "  GrenadeLauncher and Item2 (which cannot be set while ExtraAmmo is 1) and puts 1\n"
           "  into an empty Count2.\n"
           "  Lists take the entry index: ArmorLevel 0-3 (None, Light, Medium, Heavy), MapSize\n"
           "  0-3, WeatherIndex 0-7, Class0-Class5 0-3 (Demolitions, Rifleman, Sniper,\n"
           "  Support). ClassName takes demolitions, rifleman, sniper or support. Precipitation\n"
           "  takes Clear, Rain or Snow. MapSize and WeatherIndex can be set but a mission save\n"
           "  does not write them.\n";
}

} // namespace dorva
