#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dorva {

enum class ExitCode {
    Success = 0,
    Failure = 1, // a load, field or write error
    Usage = 2,   // unknown command, key or kind, or a missing or malformed argument
    // diff's, as diff(1) has them: 0 when nothing differs.
    Differs = 1,
    Trouble = 2, // a file that cannot be read or loaded, files of two kinds, a usage error
};

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

// kindOption is "actor", "kit", "mission" or empty (the kind then follows the extension).
// Assignments are KEY=VALUE texts in UTF-8 with the escapes of unescapeValue.

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

// Compares two files of one kind, or the files of the three kinds that two folders hold under
// the same names (not recursive; kindOption then limits them to one kind): for each field whose
// shown value differs, KEY: A -> B as show prints the values, prefixed with the name for
// folders; "only in FOLDER: NAME" for a file in one folder only. --json prints one object for
// files, and for folders an array of those of the files that differ and of
// {"onlyIn": FOLDER, "name": NAME}.
ExitCode diffPaths(const std::string& a, const std::string& b, const std::string& kindOption,
                   bool json, Streams io);

} // namespace dorva
