#pragma once

#include "document/kind.h"

#include <string>

namespace dorva {

// The keys of a kind, wrapped for the help text.
std::string keyListHelp(Kind kind);

// How values are written on the command line and in show's output.
std::string valueHelp();

} // namespace dorva
