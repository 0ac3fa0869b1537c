#pragma once

#include "document/kind.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace dorva {

// A usage problem found before any file is touched.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The kind --kind names; none when kindOption is empty. Throws UsageError for an unknown name.
std::optional<Kind> kindOfOption(const std::string& kindOption);

// The kind --kind names (kindOption "actor", "kit" or "mission"), or else the one the file's
// extension stands for. Throws UsageError when neither tells.
Kind resolveKind(const std::string& file, const std::string& kindOption);

// "an actor", "a kit" or "a mission".
std::string kindWithArticle(Kind kind);

} // namespace dorva
