#include "cli/report.h"

namespace dorva {

void reportError(Streams io, const std::string& file, const Error& e) {
    io.err << file << ": " << withFinalPeriod(e.what()) << "\n";
}

ExitCode reportUsage(Streams io, const UsageError& e) {
    io.err << "dorva-cli: " << e.what() << "\n";
    return ExitCode::Usage;
}

} // namespace dorva
