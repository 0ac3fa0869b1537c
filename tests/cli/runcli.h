#pragma once

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

// A folder of its own for each test, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    std::string path(const std::string& name) const { return (root_ / name).string(); }
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};

// The path of a file below tests/cli/data.
std::string dataFile(const std::string& name);

// The value a KEY=VALUE line of show output gives for key; "<missing>" when there is none.
std::string shownValue(const std::string& output, const std::string& key);

} // namespace dorva::test
