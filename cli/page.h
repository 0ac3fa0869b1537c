#pragma once

#include "formats/actorfile.h"
#include "formats/kitfile.h"
#include "formats/missionfile.h"

#include <optional>
#include <string>

namespace dorva {

enum class Kind { Actor, Kit, Mission };

// "actor", "kit" or "mission".
const char* kindName(Kind kind);
std::optional<Kind> kindFromName(const std::string& name);
// .atr, .kit or .mis in any letter case.
std::optional<Kind> kindFromExtension(const std::string& path);

// What one page of the editor holds: the fields of its kind and, for a mission, the document
// text that the saver edits.
struct Page {
    Kind kind = Kind::Actor;
    ActorRecord actor;
    KitRecord kit;
    MissionRecord mission;
    std::string missionText;
};

// A page as it stands before any file is opened.
Page freshPage(Kind kind);

// Opens file bytes as the editor does: line breaks become CR LF, then the kind's loader runs.
// Throws Error when the loader fails.
Page openPage(Kind kind, const std::string& bytes);

// The bytes that Save writes for the page.
std::string savePage(const Page& page);

} // namespace dorva
