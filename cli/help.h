#pragma once

#include "document/kind.h"

#include <string>

namespace dorva {

// The keys of a kind, wrapped for the help text.
std::string keyListHelp(Kind kind);

// How values are written on the command line and in show's output.
std::string valueHelp();

// What table prints and apply takes, with a round trip through a spreadsheet.
std::string tableHelp();

// What diff compares and prints, with an example.
std::string diffHelp();

} // namespace dorva
