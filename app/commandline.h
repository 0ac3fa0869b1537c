#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace dorva {

// What "dorva [OPTIONS] [FILE...]" asks for.
struct CommandLine {
    // Set when the program only prints output and ends: 0 for the help and the version, 2 for
    // a usage error.
    std::optional<int> exitCode;
    QString output;    // for standard output when exitCode is 0, otherwise for standard error
    QStringList files; // absolute paths, in the order given
};

// Reads the program's arguments, its own name first. Relative files are taken from
// startFolder, the folder the program was started in.
CommandLine parseCommandLine(const QStringList& arguments, const QString& startFolder);

} // namespace dorva
