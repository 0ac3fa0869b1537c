#include "cli/kindoption.h"

namespace dorva {

std::optional<Kind> kindOfOption(const std::string& kindOption) {
    if (kindOption.empty())
        return std::nullopt;
    if (const auto kind = kindFromName(kindOption))
        return kind;
    throw UsageError("unknown kind '" + kindOption + "' (actor, kit or mission)");
}

Kind resolveKind(const std::string& file, const std::string& kindOption) {
    if (const auto kind = kindOfOption(kindOption))
        return *kind;
    if (const auto kind = kindFromExtension(file))
        return *kind;
    throw UsageError("cannot tell the kind of '" + file +
                     "' from its extension; name it with --kind actor|kit|mission");
}

std::string kindWithArticle(Kind kind) {
    return (kind == Kind::Actor ? "an " : "a ") + std::string(kindName(kind));
}

} // namespace dorva
