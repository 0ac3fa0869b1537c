#pragma once

#include "cli/commands.h"
#include "cli/kindoption.h"
#include "formats/error.h"

#include <string>

namespace dorva {

// "FILE: message." on the error stream, as the editor's error box words it.
void reportError(Streams io, const std::string& file, const Error& e);

// "dorva-cli: message" on the error stream.
ExitCode reportUsage(Streams io, const UsageError& e);

} // namespace dorva
