#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dorva {

enum class ExitCode {
    Success = 0,
    Failure = 1, // a load, field or write error
    Usage = 2,   // unknown command, key or kind, or a missing or malformed argument
};

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

// kindOption is "actor", "kit", "mission" or empty (the kind then follows the extension).
// Assignments are KEY=VALUE texts in UTF-8 with the escapes of escapeValue.

ExitCode showFile(const std::string& file, const std::string& kindOption, bool json, Streams io);

// Writes to output, or in place when output is empty.
ExitCode setValues(const std::string& file, const std::string& output,
                   const std::string& kindOption, const std::vector<std::string>& assignments,
                   Streams io);

ExitCode newFile(const std::string& kindText, const std::string& output,
                 const std::vector<std::string>& assignments, Streams io);

ExitCode checkFiles(const std::vector<std::string>& files, const std::string& kindOption,
                    Streams io);

// Prints a CSV table (UTF-8, RFC 4180): a header row, then one row per file holding the path as
// given and every key's value as show prints it, unescaped. The files are all of one kind.
ExitCode printTable(const std::vector<std::string>& files, const std::string& kindOption,
                    Streams io);

// Puts the values of such a table into the files it names, relative to its folder. Every row is
// checked before the first file is written; a dry run only prints what would change.
ExitCode applyTable(const std::string& table, const std::string& kindOption, bool dryRun,
                    Streams io);

} // namespace dorva
