#pragma once

#include "tempfolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace dorva::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built dorva-cli with the arguments and collects what it printed.
CliResult runCli(const std::vector<std::string>& args);

// The path of a file below tests/cli/data.
std::string dataFile(const std::string& name);

// The value a KEY=VALUE line of show output gives for key; "<missing>" when there is none.
std::string shownValue(const std::string& output, const std::string& key);

} // namespace dorva::test
