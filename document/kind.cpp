#include "document/kind.h"

#include "formats/filename.h"

#include <cctype>

namespace dorva {

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Actor:
        return "actor";
    case Kind::Kit:
        return "kit";
    case Kind::Mission:
        break;
    }
    return "mission";
}

std::optional<Kind> kindFromName(std::string_view name) {
    for (const Kind kind : kKindsInPageOrder)
        if (name == kindName(kind))
            return kind;
    return std::nullopt;
}

const char* kindCaption(Kind kind) {
    switch (kind) {
    case Kind::Actor:
        return "Actor";
    case Kind::Kit:
        return "Kit";
    case Kind::Mission:
        break;
    }
    return "Mission";
}

const char* kindExtension(Kind kind) {
    switch (kind) {
    case Kind::Actor:
        return "atr";
    case Kind::Kit:
        return "kit";
    case Kind::Mission:
        break;
    }
    return "mis";
}

std::string kindFileMask(Kind kind) {
    return std::string("*.") + kindExtension(kind);
}

const char* kindOpenFilter(Kind kind) {
    switch (kind) {
    case Kind::Actor:
        return "Actor File(*.atr)|*.atr";
    case Kind::Kit:
        return "Kit File(*.kit)|*.kit";
    case Kind::Mission:
        break;
    }
    return "Mission File(*.mis)|*.mis";
}

const char* kindSaveFilter(Kind kind) {
    // Only an actor may be saved under any name.
    return kind == Kind::Actor ? "Actor File(*.atr)|*.atr|All File(*.*)|*.*" : kindOpenFilter(kind);
}

std::optional<Kind> kindFromFileMask(std::string_view mask) {
    for (const Kind kind : kKindsInPageOrder)
        if (mask == kindFileMask(kind))
            return kind;
    return std::nullopt;
}

std::optional<Kind> kindFromExtension(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    std::string extension(name.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const Kind kind : kKindsInPageOrder)
        if (extension == kindExtension(kind))
            return kind;
    return std::nullopt;
}

} // namespace dorva
