#include "cli/page.h"

#include "formats/doctext.h"

#include <cctype>

namespace dorva {

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Actor:
        return "actor";
    case Kind::Kit:
        return "kit";
    case Kind::Mission:
        return "mission";
    }
    return "";
}

std::optional<Kind> kindFromName(const std::string& name) {
    for (const Kind kind : {Kind::Actor, Kind::Kit, Kind::Mission})
        if (name == kindName(kind))
            return kind;
    return std::nullopt;
}

std::optional<Kind> kindFromExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "atr")
        return Kind::Actor;
    if (extension == "kit")
        return Kind::Kit;
    if (extension == "mis")
        return Kind::Mission;
    return std::nullopt;
}

Page freshPage(Kind kind) {
    Page page;
    page.kind = kind;
    return page;
}

Page openPage(Kind kind, const std::string& bytes) {
    Page page = freshPage(kind);
    const std::string text = normalizeLineBreaks(bytes);
    switch (kind) {
    case Kind::Actor:
        page.actor = loadActor(text);
        break;
    case Kind::Kit:
        page.kit = loadKit(text);
        break;
    case Kind::Mission:
        page.mission = loadMission(text);
        page.missionText = text;
        break;
    }
    return page;
}

std::string savePage(const Page& page) {
    switch (page.kind) {
    case Kind::Actor:
        return saveActor(page.actor);
    case Kind::Kit:
        return saveKit(page.kit);
    case Kind::Mission:
        return saveMission(page.mission, page.missionText);
    }
    return {};
}

} // namespace dorva
